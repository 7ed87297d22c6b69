// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankExport.h"

#include "BankFields.h"
#include "GiftWriter.h"
#include "MoodleXmlWriter.h"
#include "bank/BankTable.h"
#include "paradox/Table.h"
#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"
#include "platform/core/SystemError.h"
#include "tools/import/QuestionDraft.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

// Moodle files a question under a category path of the course.
QString categoryPath(int group, const QList<GroupChoice> &groupNames)
{
    QString name = QStringLiteral("Skupina %1").arg(group);
    for (const GroupChoice &choice : groupNames) {
        if (choice.group == group)
            name = choice.name;
    }
    return QStringLiteral("$course$/top/") + name;
}

// XML 1.0 carries no control characters but tab and line ends (which are LF by now).
bool hasForbiddenCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n'); });
}

// A field's text with LF line breaks as Moodle keeps them; banks made on Windows hold CRLF.
QString textField(const paradox::Table &table, const QString &field)
{
    QString text = table.fieldAsString(field);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// Why Moodle could not take the question, or empty when it can.
QString whyLeftOut(const ExportedQuestion &question)
{
    if (question.correct < 0 || question.correct > 2)
        return QStringLiteral("%1 %2 mimo 0..2").arg(BankTable::CspravOdp).arg(question.correct);
    const QList<std::pair<QString, QString>> texts = {{BankTable::Dotaz, question.text},
                                                      {BankTable::Odp1, question.answers[0]},
                                                      {BankTable::Odp2, question.answers[1]},
                                                      {BankTable::Odp3, question.answers[2]},
                                                      {BankTable::Komentar, question.comment}};
    for (const auto &[field, text] : texts) {
        if (field != BankTable::Komentar && trimControl(text).isEmpty())
            return QStringLiteral("prázdné pole %1").arg(field);
        if (hasForbiddenCharacter(text))
            return QStringLiteral("pole %1 obsahuje řídicí znak, který soubor pro Moodle nepřenese").arg(field);
    }
    return QString();
}

ExportedQuestion currentQuestion(const paradox::Table &table, qint32 cis, const QList<GroupChoice> &groupNames)
{
    ExportedQuestion question;
    question.category = categoryPath(table.fieldAsInteger(BankTable::Skupina), groupNames);
    question.text = textField(table, BankTable::Dotaz);
    question.answers = {textField(table, BankTable::Odp1), textField(table, BankTable::Odp2),
                        textField(table, BankTable::Odp3)};
    question.comment = textField(table, BankTable::Komentar);
    question.correct = table.fieldAsInteger(BankTable::CspravOdp);
    question.name = QStringLiteral("%1 %2").arg(cis).arg(nameFromText(question.text));
    return question;
}

// The file is replaced whole or not at all; written as it goes, not first built in memory.
void writeFile(const QString &path, ExportFormat format, const QList<ExportedQuestion> &questions)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly)) {
        if (format == ExportFormat::MoodleXml)
            writeMoodleXml(file, questions);
        else
            writeGift(file, questions);
    }
    if (!file.commit())
        throw AppError(QStringLiteral("Soubor %1 nelze zapsat: %2")
                           .arg(QDir::toNativeSeparators(path), SystemError::text(file.error(), errno)));
}

QString formatName(ExportFormat format)
{
    return format == ExportFormat::MoodleXml ? QStringLiteral("Moodle XML") : QStringLiteral("GIFT");
}

}

ExportedBank exportedQuestions(paradox::Table &table, const QList<GroupChoice> &groupNames)
{
    const QStringList missing = missingBankFields(table);
    if (!missing.isEmpty())
        throw AppError(QStringLiteral("Tabulka %1 není banka otázek, chybí pole: %2")
                           .arg(QDir::toNativeSeparators(table.tableName()), missing.join(QStringLiteral(", "))));
    ExportedBank bank;
    for (int r = 1; r <= table.recordCount(); ++r) {
        table.setRecNo(r);
        try {
            const qint32 cis = table.fieldAsInteger(BankTable::Cis);
            const ExportedQuestion question = currentQuestion(table, cis, groupNames);
            const QString reason = whyLeftOut(question);
            if (reason.isEmpty())
                bank.questions.append(question);
            else
                bank.leftOut.append(QStringLiteral("záznam %1 (%2 %3): %4").arg(r).arg(BankTable::Cis).arg(cis).arg(reason));
        } catch (const AppError &error) {
            bank.leftOut.append(QStringLiteral("záznam %1: %2").arg(r).arg(error.message()));
        }
    }
    return bank;
}

ExportReport exportBank(const ExportArguments &arguments)
{
    paradox::Table table;
    table.setTableName(arguments.bank);
    table.open();
    const ExportedBank bank = exportedQuestions(table, parseGroupChoices(arguments.groupNames));
    ExportReport report;
    for (const QString &leftOut : bank.leftOut)
        report.err += QStringLiteral("Vynecháno: %1\n").arg(leftOut);
    report.out = QStringLiteral("Vyvezeno otázek: %1, vynecháno: %2\n").arg(bank.questions.size()).arg(bank.leftOut.size());
    if (bank.questions.isEmpty()) {
        report.err += QStringLiteral("Žádný záznam nelze vyvézt, soubor se nezapsal.\n");
        return report;
    }
    writeFile(arguments.output, arguments.format, bank.questions);
    report.written = true;
    report.out += QStringLiteral("Otázky pro Moodle jsou uloženy v %1 (%2)\n")
                      .arg(QDir::toNativeSeparators(QFileInfo(arguments.output).absoluteFilePath()),
                           formatName(arguments.format));
    return report;
}
