// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ResultsColumns.h"

#include "results/NumberText.h"

#include <QDir>
#include <QFileInfo>

using results::answerLetter;
using results::AttemptRecord;
using results::PersonStatistics;
using results::percentText;
using results::QuestionStatistics;

namespace {

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

QVariant optionalRate(std::optional<qint32> rate)
{
    return rate ? QVariant(QStringLiteral("%1 %").arg(*rate)) : QVariant(QStringLiteral("–"));
}

// A dash for a missing value, the Czech decimal comma, and a sign only where the figure is a change.
QVariant optionalFigure(std::optional<double> value, int decimals, bool sign = false)
{
    return value ? QVariant(results::optionalDecimal(value, decimals, u',', sign)) : QVariant(QStringLiteral("–"));
}

// Missing values sort before every number.
QVariant optionalKey(std::optional<double> value)
{
    return value ? *value : -1e9;
}

}

QString shortBankName(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = file.dir().dirName();
    return folder.isEmpty() || folder == QLatin1String(".") ? file.fileName()
                                                            : folder + QLatin1Char('/') + file.fileName();
}

QString bankVersionName(const QString &path, const QString &sha256)
{
    return sha256.isEmpty() ? shortBankName(path)
                            : QStringLiteral("%1 (%2)").arg(shortBankName(path), sha256.left(ShortSha256));
}

QList<AttemptModel::Column> attemptColumns()
{
    return {
        {QStringLiteral("Osoba"), [](const AttemptRecord &r) { return QVariant(r.person); }},
        {QStringLiteral("Počítač"), [](const AttemptRecord &r) { return QVariant(r.computer); }},
        {QStringLiteral("Začátek"),
         [](const AttemptRecord &r) { return QVariant(r.start.toString(QStringLiteral("d. M. yyyy H:mm"))); },
         [](const AttemptRecord &r) { return QVariant(r.start.toMSecsSinceEpoch()); }},
        {QStringLiteral("Banka"), [](const AttemptRecord &r) { return QVariant(shortBankName(r.bank.path)); },
         {}, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Složka a soubor banky, ze které byl test vylosován")},
        {QStringLiteral("Správně"), [](const AttemptRecord &r) { return QVariant(r.counts.correct); }, {}, Right},
        {QStringLiteral("Špatně"), [](const AttemptRecord &r) { return QVariant(r.counts.wrong); }, {}, Right},
        {QStringLiteral("Bez odpovědi"), [](const AttemptRecord &r) { return QVariant(r.counts.unanswered); }, {}, Right},
        {QStringLiteral("Úspěšnost"),
         [](const AttemptRecord &r) {
             return r.evaluated() ? QVariant(QStringLiteral("%1 %").arg(r.counts.percent)) : QVariant(QStringLiteral("–"));
         },
         [](const AttemptRecord &r) { return QVariant(r.evaluated() ? r.counts.percent : -1); }, Right},
        {QStringLiteral("Konec"), [](const AttemptRecord &r) { return QVariant(results::endingText(r.ending)); },
         {}, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Jak pokus skončil")},
    };
}

QList<QuestionStatisticsModel::Column> questionStatisticsColumns()
{
    const auto chosen = [](int answer) {
        return [answer](const QuestionStatistics &q) { return QVariant(q.chosen.at(answer)); };
    };
    return {
        {QStringLiteral("Banka"),
         [](const QuestionStatistics &q) { return QVariant(bankVersionName(q.bankPath, q.bankSha256)); }, {},
         Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("Složka a soubor banky a začátek jejího SHA-256: upravená banka je nová verze")},
        {QStringLiteral("Cis"), [](const QuestionStatistics &q) { return QVariant(q.cis); }, {}, Right},
        {QStringLiteral("Skupina"), [](const QuestionStatistics &q) { return QVariant(q.group); }, {}, Right},
        {QStringLiteral("Správná"), [](const QuestionStatistics &q) { return QVariant(answerLetter(q.correctAnswer)); }},
        {QStringLiteral("Losováno"), [](const QuestionStatistics &q) { return QVariant(q.drawn); }, {}, Right,
         QStringLiteral("Kolikrát byla otázka v testu")},
        {QStringLiteral("Podíl správných"), [](const QuestionStatistics &q) { return QVariant(percentText(q.correctShare())); },
         [](const QuestionStatistics &q) { return QVariant(q.correctShare()); }, Right,
         QStringLiteral("Podíl správných odpovědí (index obtížnosti)")},
        {QStringLiteral("Bez odpovědi"),
         [](const QuestionStatistics &q) { return QVariant(percentText(q.unansweredShare())); },
         [](const QuestionStatistics &q) { return QVariant(q.unansweredShare()); }, Right},
        {QStringLiteral("A"), chosen(0), {}, Right, QStringLiteral("Kolikrát byla zvolena odpověď A")},
        {QStringLiteral("B"), chosen(1), {}, Right, QStringLiteral("Kolikrát byla zvolena odpověď B")},
        {QStringLiteral("C"), chosen(2), {}, Right, QStringLiteral("Kolikrát byla zvolena odpověď C")},
        {QStringLiteral("Citlivost"),
         [](const QuestionStatistics &q) { return optionalFigure(q.discrimination, 2); },
         [](const QuestionStatistics &q) { return optionalKey(q.discrimination); }, Right,
         QStringLiteral("Index diskriminace: podíl správných v horních 27 % pokusů minus v dolních 27 %")},
    };
}

QList<PersonModel::Column> personColumns()
{
    return {
        {QStringLiteral("Osoba"), [](const PersonStatistics &p) { return QVariant(p.person); }},
        {QStringLiteral("Pokusy"), [](const PersonStatistics &p) { return QVariant(p.attempts); }, {}, Right},
        {QStringLiteral("Vyhodnocené"), [](const PersonStatistics &p) { return QVariant(p.evaluated); }, {}, Right},
        {QStringLiteral("Nejlepší"), [](const PersonStatistics &p) { return optionalRate(p.best); },
         [](const PersonStatistics &p) { return QVariant(p.best.value_or(-1)); }, Right},
        {QStringLiteral("Poslední"), [](const PersonStatistics &p) { return optionalRate(p.last); },
         [](const PersonStatistics &p) { return QVariant(p.last.value_or(-1)); }, Right},
        {QStringLiteral("Trend"),
         [](const PersonStatistics &p) { return optionalFigure(p.trend, 1, true); },
         [](const PersonStatistics &p) { return optionalKey(p.trend); }, Right,
         QStringLiteral("Změna úspěšnosti v procentních bodech na pokus")},
    };
}
