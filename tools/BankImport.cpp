// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankImport.h"

#include "CsvQuestions.h"
#include "RecordWarnings.h"
#include "bank/BankTable.h"
#include "platform/core/AppError.h"
#include "paradox/Table.h"
#include "paradox/TableFiles.h"
#include "paradox/TableWriter.h"
#include "paradox/TextCodec.h"
#include "platform/core/ProgramLocation.h"
#include "platform/core/SystemError.h"
#include "tools/import/QuestionImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

using paradox::FieldDef;
using paradox::FieldType;
using paradox::Value;
using paradox::TableError;
using paradox::TableWriter;
using paradox::TextCodec;

namespace {

QString where(const QuestionRecord &record)
{
    const QString place = QStringLiteral("Soubor %1, řádek %2").arg(QDir::toNativeSeparators(record.file)).arg(record.line);
    return record.name.isEmpty() ? place : place + QStringLiteral(", otázka „%1“").arg(record.name);
}

void checkText(const TextCodec &codec, const QuestionRecord &record, const QString &field, const QString &text)
{
    if (codec.encode(text))
        return;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t code = characters[i];
        const QString character = QString::fromUcs4(&code, 1);
        if (!codec.encode(character))
            throw AppError(QStringLiteral("%1, pole %2: znak „%3“ (U+%4) na %5. místě textu nelze uložit v kódování Windows-1250")
                               .arg(where(record), field, character)
                               .arg(code, 4, 16, QLatin1Char('0'))
                               .arg(i + 1));
    }
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

// Where the program installed beside this tool reads a bank of this user's.
QString programBankPath()
{
    const QString programDirectory = ProgramLocation::directory();
    if (!ProgramLocation::createDataDirectory(programDirectory))
        throw AppError(QStringLiteral("Složku %1 nelze vytvořit.")
                           .arg(QDir::toNativeSeparators(ProgramLocation::dataDirectory(programDirectory))));
    return ProgramLocation::userBankPath(programDirectory);
}

// Numbers that CSV inputs bring would collide between inputs; the bank numbered in order has
// every question reachable.
void numberInOrder(ImportResult &result)
{
    bool dropped = false;
    for (ImportedQuestion &question : result.questions) {
        dropped = dropped || question.number.has_value();
        question.number.reset();
    }
    if (dropped)
        result.warnings.append(QStringLiteral("Vstupů je víc, otázky jsou proto očíslovány v pořadí od 0; "
                                              "pole Cis ze souborů CSV se nepoužije"));
}

QString diagnostics(const ImportResult &result)
{
    QString text;
    for (const QString &warning : result.warnings)
        text += QStringLiteral("Upozornění: %1\n").arg(warning);
    for (const SkippedQuestion &skipped : result.skipped)
        text += QStringLiteral("Vynecháno: Soubor %1, řádek %2: otázka „%3“: %4\n")
                    .arg(QDir::toNativeSeparators(skipped.file))
                    .arg(skipped.line)
                    .arg(skipped.name, skipped.reason);
    return text;
}

QString summary(const ImportResult &result)
{
    return QStringLiteral("Převedeno otázek: %1, vynecháno: %2\n").arg(result.questions.size()).arg(result.skipped.size());
}

QString writtenText(const QList<QuestionRecord> &records, const QString &dbPath, const QString &backup)
{
    QString text = QStringLiteral("Banka otázek je uložena v %1 (počet otázek: %2)\n")
                       .arg(QDir::toNativeSeparators(QFileInfo(dbPath).absoluteFilePath()))
                       .arg(records.size());
    if (!backup.isEmpty())
        text += QStringLiteral("Dosavadní banka je zachována jako záloha %1\n").arg(QDir::toNativeSeparators(backup));
    return text;
}

}

QList<QuestionRecord> bankRecords(const QList<ImportedQuestion> &questions)
{
    QList<QuestionRecord> records;
    records.reserve(questions.size());
    for (const ImportedQuestion &question : questions) {
        const auto position = static_cast<qint32>(records.size());
        records.append({question.file, question.line, question.name, question.number.value_or(position),
                        question.group.value_or(0), question.text, question.answers, question.correct,
                        question.comment});
    }
    return records;
}

void checkCodePage(const QList<QuestionRecord> &records)
{
    const TextCodec codec(1250);
    for (const QuestionRecord &record : records) {
        checkText(codec, record, QStringLiteral("Dotaz"), record.text);
        for (int a = 0; a < 3; ++a)
            checkText(codec, record, QStringLiteral("Odp%1").arg(a + 1), record.answers[a]);
        checkText(codec, record, QStringLiteral("Komentar"), record.comment);
    }
}

void writeBankTable(const QList<QuestionRecord> &records, const QString &dbPath,
                    const std::function<void(const paradox::TableFiles &)> &afterReplacing)
{
    TableWriter writer(BankTable::fields());
    for (const QuestionRecord &record : records) {
        try {
            writer.addRecord({qint64(record.number), qint64(record.group), record.text, record.answers[0], record.answers[1],
                              record.answers[2], record.comment, qint64(record.correct)});
        } catch (const TableError &error) {
            throw AppError(where(record) + QStringLiteral(": ") + error.message());
        }
    }
    writer.write(dbPath, afterReplacing);
}

BuildReport importBank(const QStringList &inputs, const QList<GroupChoice> &choices, const QString &dbPath)
{
    ImportResult result = importQuestions(inputs, choices, readCsvQuestions);
    if (inputs.size() > 1)
        numberInOrder(result);
    BuildReport report;
    report.err = diagnostics(result);
    report.out = summary(result);
    if (result.questions.isEmpty()) {
        report.err += QStringLiteral("Žádnou otázku nelze převést, banka se nezapsala.\n");
        return report;
    }
    const QList<QuestionRecord> records = bankRecords(result.questions);
    checkCodePage(records);
    const QStringList warnings = recordWarnings(records);
    for (const QString &warning : warnings)
        report.err += QStringLiteral("Upozornění: %1\n").arg(warning);
    if (!warnings.isEmpty())
        report.err += QStringLiteral("Upozornění k hodnotám otázek: %1\n").arg(warnings.size());
    const QString target = dbPath.isEmpty() ? programBankPath() : dbPath;
    QString backup;
    writeBankTable(records, target, [&backup](const paradox::TableFiles &files) { backup = keepBackup(files); });
    report.written = true;
    report.out += writtenText(records, target, backup);
    return report;
}
