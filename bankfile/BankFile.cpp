// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankFile.h"

#include "bank/BankTable.h"
#include "bankfile/FindingText.h"
#include "paradox/Table.h"
#include "paradox/TableFiles.h"
#include "paradox/TableWriter.h"
#include "paradox/TextCodec.h"
#include "platform/core/AppError.h"
#include "platform/core/ProgramLocation.h"
#include "platform/core/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

// The first character of the text that the code page cannot store, as a finding; none when it
// stores all.
std::optional<Finding> unstorable(const paradox::TextCodec &codec, const BankContent &content, int record,
                                  const QString &field, const QString &text)
{
    if (codec.encode(text))
        return std::nullopt;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t code = characters[i];
        const QString character = QString::fromUcs4(&code, 1);
        if (!codec.encode(character)) {
            Finding finding = content.findingAbout(FindingSource::Build, FindingKind::UnstorableCharacter, record);
            finding.field = field;
            finding.values = {character, QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')), QString::number(i + 1)};
            return finding;
        }
    }
    return std::nullopt;
}

QString memoPath(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".mb"));
}

// The first "NAME-zaloha.db", "NAME-zaloha-2.db", … whose table and memo names are both free.
QString freeBackupPath(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral("-%1").arg(n);
        const QString candidate = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("-zaloha")
                                                              + suffix + QStringLiteral(".db"));
        if (!QFileInfo::exists(candidate) && !QFileInfo::exists(memoPath(candidate)))
            return candidate;
    }
}

void keepCopy(const QString &path, const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return;
    QFile file(path);
    errno = 0;
    const bool created = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (created && file.write(*bytes) == bytes->size() && file.flush()) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return;
    }
    const QString reason = SystemError::text(file.error(), errno);
    // A cut copy would pass for a backup.
    if (created)
        file.remove();
    throw AppError(QStringLiteral("Nová banka je uložena, ale zálohu %1 dosavadní banky nelze vytvořit: %2")
                       .arg(QDir::toNativeSeparators(path), reason));
}

// Keeps the files that were at the bank's place beside it; the backup's path, empty when
// there were none. A memo file without its table is kept too.
QString keepBackup(const paradox::TableFiles &files)
{
    if (!files.previousTable() && !files.previousMemo())
        return QString();
    const QString backup = freeBackupPath(files.tablePath());
    keepCopy(backup, files.previousTable());
    try {
        keepCopy(memoPath(backup), files.previousMemo());
    } catch (const AppError &) {
        // A table without its memo file is no backup.
        QFile::remove(backup);
        throw;
    }
    return files.previousTable() ? backup : memoPath(backup);
}

}

BankContent readBank(const QString &dbPath, Progress &progress)
{
    paradox::Table table;
    table.setTableName(dbPath);
    table.open();
    BankContent content;
    content.source = dbPath;
    const int count = table.recordCount();
    content.records.resize(count);
    const QStringList missing = BankTable::missingFields(table);
    for (const QString &field : missing) {
        Finding finding;
        finding.kind = FindingKind::MissingField;
        finding.field = field;
        content.findings.append(finding);
    }
    if (!missing.isEmpty())
        return content;
    for (int r = 0; r < count; ++r) {
        if (r % RecordsPerStep == 0)
            progress.advance(r, count);
        table.setRecNo(r + 1);
        try {
            content.records[r] = BankTable::readRecord(table);
        } catch (const AppError &error) {
            Finding finding = content.findingAbout(FindingSource::Check, FindingKind::UnreadableValue, r);
            finding.cis.reset(); // its own value may be what does not read
            finding.values = {error.message()};
            content.findings.append(finding);
        }
    }
    progress.advance(count, count);
    return content;
}

void requireBankFields(const BankContent &content)
{
    QStringList missing;
    for (const Finding &finding : content.findings) {
        if (finding.kind == FindingKind::MissingField)
            missing.append(finding.field);
    }
    if (!missing.isEmpty())
        throw AppError(QStringLiteral("Tabulka %1 není banka otázek, chybí pole: %2")
                           .arg(QDir::toNativeSeparators(content.source), missing.join(QStringLiteral(", "))));
}

QList<Finding> unstorableTexts(const BankContent &content)
{
    const paradox::TextCodec codec(1250);
    QList<Finding> findings;
    for (int r = 0; r < content.records.size(); ++r) {
        const BankRecord &record = content.records[r];
        const QList<std::pair<QString, QString>> texts = {
            {BankTable::Dotaz, record.dotaz}, {BankTable::Odp1, record.odp1}, {BankTable::Odp2, record.odp2},
            {BankTable::Odp3, record.odp3}, {BankTable::Komentar, record.komentar}};
        for (const auto &[field, text] : texts) {
            if (const std::optional<Finding> finding = unstorable(codec, content, r, field, text))
                findings.append(*finding);
        }
    }
    return findings;
}

QString programBankPath()
{
    const QString programDirectory = ProgramLocation::directory();
    if (!ProgramLocation::createDataDirectory(programDirectory))
        throw AppError(QStringLiteral("Složku %1 nelze vytvořit.")
                           .arg(QDir::toNativeSeparators(ProgramLocation::dataDirectory(programDirectory))));
    return ProgramLocation::userBankPath(programDirectory);
}

namespace {

// A record that did not read is an empty placeholder: written, it would replace its question.
void refuseUnread(const BankContent &content)
{
    requireBankFields(content);
    std::optional<Finding> first;
    for (const Finding &finding : content.findings) {
        if (finding.kind == FindingKind::UnreadableValue && (!first || finding.record < first->record))
            first = finding;
    }
    if (first)
        throw AppError(QStringLiteral("Banka se nezapsala: záznam %1 se nepřečetl (%2), zapsal by se prázdný.")
                           .arg(first->record + 1)
                           .arg(first->values.value(0)));
}

// Writes the content's records; with `release`, each record and its origin are emptied once
// the record is encoded, and their memory serves the encoded records.
WrittenBank write(BankContent &content, bool release, const QString &dbPath, Progress &progress, Backup backup)
{
    refuseUnread(content);
    paradox::TableWriter writer(BankTable::fields());
    const auto count = static_cast<int>(content.records.size());
    writer.reserve(count);
    for (int r = 0; r < count; ++r) {
        if (r % RecordsPerStep == 0)
            progress.advance(r, count);
        try {
            writer.addRecord(BankTable::values(content.records[r]));
        } catch (const paradox::TableError &error) {
            Finding place = content.findingAbout(FindingSource::Build, FindingKind::UnreadableValue, r);
            place.values = {error.message()};
            throw AppError(findingText(place));
        }
        if (release) {
            content.records[r] = BankRecord();
            if (r < content.origins.size())
                content.origins[r] = RecordOrigin();
        }
    }
    progress.advance(count, count);
    WrittenBank written;
    written.path = QFileInfo(dbPath).absoluteFilePath();
    writer.write(dbPath, [&](const paradox::TableFiles &files) {
        if (backup == Backup::Keep)
            written.backup = keepBackup(files);
    });
    return written;
}

}

WrittenBank writeBank(const BankContent &content, const QString &dbPath, Progress &progress, Backup backup)
{
    BankContent copy = content; // shares the texts; nothing is released
    return write(copy, false, dbPath, progress, backup);
}

WrittenBank writeBank(BankContent &&content, const QString &dbPath, Progress &progress, Backup backup)
{
    return write(content, true, dbPath, progress, backup);
}
