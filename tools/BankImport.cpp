#include "BankImport.h"

#include "CsvQuestions.h"
#include "platform/AppError.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"
#include "paradox/TableWriter.h"
#include "paradox/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using paradox::FieldDef;
using paradox::FieldType;
using paradox::Value;
using paradox::TableError;
using paradox::TableWriter;
using paradox::TextCodec;

namespace {

// Short texts stay inside the record; longer ones go to the memo file.
constexpr int kMemoSize = 60;

QList<FieldDef> BankFields()
{
    const auto memo = [](const char *name) { return FieldDef{QLatin1String(name), FieldType::Memo, kMemoSize}; };
    const auto number = [](const char *name) { return FieldDef{QLatin1String(name), FieldType::Long, 4}; };
    return {number("Cis"),  number("Skupina"), memo("Dotaz"),    memo("Odp1"),
            memo("Odp2"),   memo("Odp3"),      memo("Komentar"), number("CspravOdp")};
}

QString Where(const QuestionRecord &record)
{
    return QStringLiteral("Soubor %1, řádek %2").arg(record.file).arg(record.line);
}

void CheckText(const TextCodec &codec, const QuestionRecord &record, const QString &field, const QString &text)
{
    if (codec.encode(text))
        return;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t code = characters[i];
        const QString character = QString::fromUcs4(&code, 1);
        if (!codec.encode(character))
            throw AppError(QStringLiteral("%1, pole %2: znak „%3“ (U+%4) na %5. místě textu nelze uložit v kódování Windows-1250")
                               .arg(Where(record), field, character)
                               .arg(code, 4, 16, QLatin1Char('0'))
                               .arg(i + 1));
    }
}

QString MemoPath(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".mb"));
}

// The first "NAME-zaloha.db", "NAME-zaloha-2.db", … whose table and memo names are both free.
QString FreeBackupPath(const QString &dbPath)
{
    const QFileInfo info(dbPath);
    for (int n = 1;; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral("-%1").arg(n);
        const QString candidate = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("-zaloha")
                                                              + suffix + QStringLiteral(".db"));
        if (!QFileInfo::exists(candidate) && !QFileInfo::exists(MemoPath(candidate)))
            return candidate;
    }
}

void CopyOrFail(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        throw AppError(QStringLiteral("Zálohu %1 nelze vytvořit; banka %2 zůstala, jak byla.")
                           .arg(QDir::toNativeSeparators(to), QDir::toNativeSeparators(from)));
}

// Copies the bank at dbPath, memo file included, beside it; empty when there is none.
QString KeepBackup(const QString &dbPath)
{
    if (!QFileInfo::exists(dbPath))
        return QString();
    const QString backup = FreeBackupPath(dbPath);
    CopyOrFail(dbPath, backup);
    const QString memo = paradox::Memo::findBeside(dbPath);
    if (!memo.isEmpty())
        CopyOrFail(memo, MemoPath(backup));
    return backup;
}

}

void CheckCodePage(const QList<QuestionRecord> &records)
{
    const TextCodec codec(1250);
    for (const QuestionRecord &record : records) {
        CheckText(codec, record, QStringLiteral("Dotaz"), record.text);
        for (int a = 0; a < 3; ++a)
            CheckText(codec, record, QStringLiteral("Odp%1").arg(a + 1), record.answers[a]);
        CheckText(codec, record, QStringLiteral("Komentar"), record.comment);
    }
}

void WriteBankTable(const QList<QuestionRecord> &records, const QString &dbPath)
{
    TableWriter writer(BankFields());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QuestionRecord &record = records[i];
        const qint64 number = record.number.value_or(static_cast<qint32>(i));
        try {
            writer.addRecord({number, qint64(record.group), record.text, record.answers[0], record.answers[1],
                              record.answers[2], record.comment, qint64(record.correct)});
        } catch (const TableError &error) {
            throw AppError(Where(record) + QStringLiteral(": ") + error.message());
        }
    }
    writer.write(dbPath);
}

QString ImportBank(const QString &csvPath, const QString &dbPath)
{
    const QList<QuestionRecord> records = ReadCsvQuestions(csvPath);
    CheckCodePage(records);
    const QString backup = KeepBackup(dbPath);
    WriteBankTable(records, dbPath);
    QString report = QStringLiteral("Banka otázek je uložena v %1 (počet otázek: %2)\n")
                         .arg(QDir::toNativeSeparators(QFileInfo(dbPath).absoluteFilePath()))
                         .arg(records.size());
    if (!backup.isEmpty())
        report += QStringLiteral("Dosavadní banka je zachována jako záloha %1\n").arg(QDir::toNativeSeparators(backup));
    return report;
}
