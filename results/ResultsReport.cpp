// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsReport.h"

#include "results/NumberText.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace results {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm");

QString optionalNumber(const std::optional<qint32> &value)
{
    return value ? QString::number(*value) : QString();
}

QString bankName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Columns padded to their widest cell; the columns in `textColumns` to the left, numbers to
// the right.
QString alignedTable(const QList<QStringList> &rows, const QList<int> &textColumns)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line = QStringLiteral("  ");
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool left = textColumns.contains(static_cast<int>(c));
            line += (left ? row[c].leftJustified(widths[c]) : row[c].rightJustified(widths[c])) + QStringLiteral("  ");
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

QStringList attemptRow(const AttemptRecord &attempt)
{
    return {attempt.start.toString(TimeFormat), attempt.person, attempt.computer, bankName(attempt.bank.path),
            QString::number(attempt.counts.correct), QString::number(attempt.counts.wrong),
            QString::number(attempt.counts.unanswered), QStringLiteral("%1 %").arg(attempt.counts.percent),
            endingText(attempt.ending)};
}

QString attemptsText(const QList<AttemptRecord> &attempts)
{
    QList<QStringList> rows{{QStringLiteral("začátek"), QStringLiteral("osoba"), QStringLiteral("počítač"),
                             QStringLiteral("banka"), QStringLiteral("správně"), QStringLiteral("špatně"),
                             QStringLiteral("bez odp."), QStringLiteral("úspěšnost"), QStringLiteral("konec")}};
    for (const AttemptRecord &attempt : attempts)
        rows.append(attemptRow(attempt));
    return counted(static_cast<int>(attempts.size()), QStringLiteral("pokus"), QStringLiteral("pokusy"),
                   QStringLiteral("pokusů"))
        + QStringLiteral(":\n") + alignedTable(rows, {0, 1, 2, 3, 8});
}

QStringList questionRow(const QuestionStatistics &question)
{
    return {QString::number(question.cis), QString::number(question.group), answerLetter(question.correctAnswer),
            QString::number(question.drawn), percentText(question.correctShare()),
            percentText(question.unansweredShare()), QString::number(question.chosen[0]),
            QString::number(question.chosen[1]), QString::number(question.chosen[2]),
            optionalDecimal(question.discrimination, 2, u',')};
}

QString questionsText(const QList<QuestionStatistics> &questions)
{
    // The share correct is the classical difficulty index: one column under both names.
    const QStringList header{QStringLiteral("Cis"), QStringLiteral("skup."), QStringLiteral("správná"),
                             QStringLiteral("vylosována"), QStringLiteral("správně (index obtížnosti)"),
                             QStringLiteral("bez odp."), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                             QStringLiteral("rozlišení")};
    const auto sameBank = [](const QuestionStatistics &a, const QuestionStatistics &b) {
        return a.bankPath == b.bankPath && a.bankSha256 == b.bankSha256;
    };
    QString text;
    for (qsizetype first = 0; first < questions.size();) {
        const QString bank = questions[first].bankSha256;
        QList<QStringList> rows{header};
        qsizetype next = first;
        for (; next < questions.size() && sameBank(questions[next], questions[first]); ++next)
            rows.append(questionRow(questions[next]));
        text += QStringLiteral("\nOtázky banky %1 (SHA-256 %2):\n").arg(questions[first].bankPath, bank.left(12))
            + alignedTable(rows, {});
        first = next;
    }
    return text;
}

QString personsText(const QList<PersonStatistics> &persons)
{
    QList<QStringList> rows{{QStringLiteral("osoba"), QStringLiteral("pokusy"), QStringLiteral("vyhodnoceno"),
                             QStringLiteral("nejlepší"), QStringLiteral("poslední"), QStringLiteral("trend")}};
    for (const PersonStatistics &person : persons)
        rows.append({person.person, QString::number(person.attempts), QString::number(person.evaluated),
                     person.best ? QStringLiteral("%1 %").arg(*person.best) : QString(),
                     person.last ? QStringLiteral("%1 %").arg(*person.last) : QString(),
                     optionalDecimal(person.trend, 1, u',', true)});
    return QStringLiteral("\nOsoby:\n") + alignedTable(rows, {0});
}

// A spreadsheet runs a cell that begins so as a formula; a number, a negative one too, stays one.
bool readsAsFormula(const QString &value)
{
    static const QRegularExpression Number(QStringLiteral("^[+-]?\\d+([.,]\\d+)?$"));
    return !value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.front()) && !Number.match(value).hasMatch();
}

// One field for a spreadsheet: a would-be formula (names are typed by learners) shown as text,
// quoted when it holds the separator, a quote or a line break.
QString csvField(QString value, QChar separator)
{
    if (readsAsFormula(value))
        value.prepend(u'\'');
    if (!value.contains(separator) && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    return u'"' + value.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

void appendCsvRow(QString &csv, const QStringList &fields, QChar separator)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(csvField(field, separator));
    csv += quoted.join(separator) + QStringLiteral("\r\n");
}

const QString CsvTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void appendAttempts(QString &csv, const QList<AttemptRecord> &attempts, QChar separator)
{
    appendCsvRow(csv, {QStringLiteral("Pokusy")}, separator);
    appendCsvRow(csv,
                 {QStringLiteral("Začátek"), QStringLiteral("Konec"), QStringLiteral("Osoba"), QStringLiteral("Počítač"),
                  QStringLiteral("Banka"), QStringLiteral("SHA-256 banky"), QStringLiteral("Minut"),
                  QStringLiteral("Jak skončil"), QStringLiteral("Správně"), QStringLiteral("Špatně"),
                  QStringLiteral("Neodpovězeno"), QStringLiteral("Úspěšnost (%)"), QStringLiteral("Kód testu"),
                  QStringLiteral("Záznam")},
                 separator);
    for (const AttemptRecord &attempt : attempts)
        appendCsvRow(csv,
                     {attempt.start.toString(CsvTimeFormat), attempt.end.toString(CsvTimeFormat), attempt.person,
                      attempt.computer, attempt.bank.path, attempt.bank.table.sha256, QString::number(attempt.minutes),
                      endingText(attempt.ending), QString::number(attempt.counts.correct),
                      QString::number(attempt.counts.wrong), QString::number(attempt.counts.unanswered),
                      QString::number(attempt.counts.percent), attempt.testCode, attempt.id},
                     separator);
}

void appendQuestions(QString &csv, const QList<QuestionStatistics> &questions, QChar separator, QChar point)
{
    appendCsvRow(csv, {QStringLiteral("Otázky")}, separator);
    appendCsvRow(csv,
                 {QStringLiteral("Banka"), QStringLiteral("SHA-256 banky"), QStringLiteral("Cis"), QStringLiteral("Skupina"),
                  QStringLiteral("Správná odpověď"), QStringLiteral("Vylosována"),
                  QStringLiteral("Podíl správně (index obtížnosti)"), QStringLiteral("Podíl neodpovězeno"),
                  QStringLiteral("Zvoleno A"), QStringLiteral("Zvoleno B"), QStringLiteral("Zvoleno C"),
                  QStringLiteral("Index rozlišení")},
                 separator);
    for (const QuestionStatistics &question : questions)
        appendCsvRow(csv,
                     {question.bankPath, question.bankSha256, QString::number(question.cis),
                      QString::number(question.group), question.correctAnswer ? answerLetter(question.correctAnswer) : QString(),
                      QString::number(question.drawn), decimal(question.correctShare(), 4, point),
                      decimal(question.unansweredShare(), 4, point), QString::number(question.chosen[0]),
                      QString::number(question.chosen[1]), QString::number(question.chosen[2]),
                      optionalDecimal(question.discrimination, 4, point)},
                     separator);
}

void appendPersons(QString &csv, const QList<PersonStatistics> &persons, QChar separator, QChar point)
{
    appendCsvRow(csv, {QStringLiteral("Osoby")}, separator);
    appendCsvRow(csv,
                 {QStringLiteral("Osoba"), QStringLiteral("Pokusy"), QStringLiteral("Vyhodnoceno"),
                  QStringLiteral("Nejlepší (%)"), QStringLiteral("Poslední (%)"),
                  QStringLiteral("Trend (body na pokus)")},
                 separator);
    for (const PersonStatistics &person : persons)
        appendCsvRow(csv,
                     {person.person, QString::number(person.attempts), QString::number(person.evaluated),
                      optionalNumber(person.best), optionalNumber(person.last), optionalDecimal(person.trend, 2, point)},
                     separator);
}

}

QString pluralForm(int count, const QString &one, const QString &few, const QString &many)
{
    if (count == 1)
        return one;
    return count >= 2 && count <= 4 ? few : many;
}

QString counted(int count, const QString &one, const QString &few, const QString &many)
{
    return QString::number(count) + u' ' + pluralForm(count, one, few, many);
}

QString reportText(const ResultsSummary &summary)
{
    return attemptsText(summary.attempts) + questionsText(summary.questions) + personsText(summary.persons);
}

QString skippedText(const RecordSet &set)
{
    QString text;
    for (const SkippedFile &folder : set.unreadableFolders)
        text += QStringLiteral("Složku %1 nelze číst: %2.\n").arg(folder.path, folder.reason);
    const int count = static_cast<int>(set.skipped.size());
    if (count > 0)
        text += pluralForm(count, QStringLiteral("Vynechán"), QStringLiteral("Vynechány"), QStringLiteral("Vynecháno"))
            + u' ' + counted(count, QStringLiteral("soubor"), QStringLiteral("soubory"), QStringLiteral("souborů"))
            + pluralForm(count, QStringLiteral(", který není"), QStringLiteral(", které nejsou"),
                         QStringLiteral(", které nejsou"))
            + QStringLiteral(" čitelným záznamem pokusu:\n");
    for (const SkippedFile &file : set.skipped)
        text += QStringLiteral("  %1: %2\n").arg(file.path, file.reason);
    if (set.duplicates > 0)
        text += QStringLiteral("Stejný pokus nalezen víckrát; %1 se %2.\n")
                    .arg(counted(set.duplicates, QStringLiteral("další kopie"), QStringLiteral("další kopie"),
                                 QStringLiteral("dalších kopií")),
                         pluralForm(set.duplicates, QStringLiteral("nepočítá"), QStringLiteral("nepočítají"),
                                    QStringLiteral("nepočítá")));
    return text;
}

QByteArray resultsCsv(const ResultsSummary &summary, CsvSeparator separator)
{
    const QChar fieldSeparator = separator == CsvSeparator::Semicolon ? u';' : u',';
    const QChar point = separator == CsvSeparator::Semicolon ? u',' : u'.';
    QString csv;
    appendAttempts(csv, summary.attempts, fieldSeparator);
    csv += QStringLiteral("\r\n");
    appendQuestions(csv, summary.questions, fieldSeparator, point);
    csv += QStringLiteral("\r\n");
    appendPersons(csv, summary.persons, fieldSeparator, point);
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

}
