// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ResultsColumns.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

using results::AttemptRecord;
using results::PersonStatistics;
using results::QuestionStatistics;

namespace {

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

QString answerLetter(std::optional<qint32> answer)
{
    if (!answer || *answer < 0 || *answer > 2)
        return QStringLiteral("–");
    return QString(QChar(u'A' + *answer));
}

QVariant optionalRate(std::optional<qint32> rate)
{
    return rate ? QVariant(QStringLiteral("%1 %").arg(*rate)) : QVariant(QStringLiteral("–"));
}

// Missing values sort before every number.
QVariant optionalKey(std::optional<double> value)
{
    return value ? *value : -1e9;
}

QString signedNumber(double value)
{
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 1);
}

}

QString shortBankName(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = file.dir().dirName();
    return folder.isEmpty() || folder == QLatin1String(".") ? file.fileName()
                                                            : folder + QLatin1Char('/') + file.fileName();
}

QString percentText(double share)
{
    return QStringLiteral("%1 %").arg(std::lround(share * 100));
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
        {QStringLiteral("Banka"), [](const QuestionStatistics &q) { return QVariant(shortBankName(q.bankPath)); }},
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
         [](const QuestionStatistics &q) {
             return q.discrimination ? QVariant(QString::number(*q.discrimination, 'f', 2)) : QVariant(QStringLiteral("–"));
         },
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
         [](const PersonStatistics &p) {
             return p.trend ? QVariant(signedNumber(*p.trend)) : QVariant(QStringLiteral("–"));
         },
         [](const PersonStatistics &p) { return optionalKey(p.trend); }, Right,
         QStringLiteral("Změna úspěšnosti v procentních bodech na pokus")},
    };
}
