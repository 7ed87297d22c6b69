// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/Statistics.h"

#include <QHash>
#include <QMap>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace results {

namespace {

double share(int part, int whole)
{
    return whole > 0 ? static_cast<double>(part) / whole : 0.0;
}

// A bank is its test.db's content; a record without a checksum falls back on the path.
QString bankKey(const AttemptRecord &attempt)
{
    return attempt.bank.table.sha256.isEmpty() ? attempt.bank.path : attempt.bank.table.sha256;
}

// How often each question was drawn and answered correctly within a group of attempts.
struct Tally
{
    int drawn = 0;
    int correct = 0;

    double correctShare() const { return share(correct, drawn); }
};

QHash<qint32, Tally> tallyByQuestion(const QList<const AttemptRecord *> &attempts)
{
    QHash<qint32, Tally> tallies;
    for (const AttemptRecord *attempt : attempts) {
        for (const AttemptQuestion &question : attempt->questions) {
            Tally &tally = tallies[question.cis];
            ++tally.drawn;
            tally.correct += question.evaluation == 1 ? 1 : 0;
        }
    }
    return tallies;
}

// The lower and the upper 27 % of one bank's attempts by rate; empty below two attempts.
std::pair<QList<const AttemptRecord *>, QList<const AttemptRecord *>> extremeGroups(QList<const AttemptRecord *> attempts)
{
    const qsizetype count = attempts.size();
    if (count < 2)
        return {};
    std::stable_sort(attempts.begin(), attempts.end(), [](const AttemptRecord *a, const AttemptRecord *b) {
        return a->counts.percent < b->counts.percent;
    });
    const qsizetype size = std::clamp<qsizetype>(std::llround(count * DiscriminationGroupShare), 1, count / 2);
    return {attempts.mid(0, size), attempts.mid(count - size)};
}

void addQuestion(QuestionStatistics &statistics, const AttemptQuestion &question)
{
    statistics.group = question.group;
    statistics.correctAnswer = question.correct;
    ++statistics.drawn;
    if (question.evaluation == 1)
        ++statistics.correct;
    if (!question.given)
        ++statistics.unanswered;
    else if (*question.given >= 0 && *question.given < 3)
        ++statistics.chosen[*question.given];
}

QList<QuestionStatistics> bankQuestions(const QList<const AttemptRecord *> &attempts)
{
    QMap<qint32, QuestionStatistics> byNumber;
    for (const AttemptRecord *attempt : attempts) {
        for (const AttemptQuestion &question : attempt->questions) {
            QuestionStatistics &statistics = byNumber[question.cis];
            statistics.cis = question.cis;
            addQuestion(statistics, question);
        }
    }
    const auto [lower, upper] = extremeGroups(attempts);
    const QHash<qint32, Tally> lowerTally = tallyByQuestion(lower);
    const QHash<qint32, Tally> upperTally = tallyByQuestion(upper);
    QList<QuestionStatistics> questions;
    for (QuestionStatistics &statistics : byNumber) {
        statistics.bankSha256 = attempts.constLast()->bank.table.sha256;
        statistics.bankPath = attempts.constLast()->bank.path;
        const Tally low = lowerTally.value(statistics.cis);
        const Tally high = upperTally.value(statistics.cis);
        if (low.drawn > 0 && high.drawn > 0)
            statistics.discrimination = high.correctShare() - low.correctShare();
        questions.append(statistics);
    }
    return questions;
}

double slope(const QList<qint32> &values)
{
    const double count = static_cast<double>(values.size());
    const double meanIndex = (count - 1) / 2;
    double meanValue = 0;
    for (qint32 value : values)
        meanValue += value / count;
    double covariance = 0;
    double variance = 0;
    for (qsizetype i = 0; i < values.size(); ++i) {
        covariance += (i - meanIndex) * (values[i] - meanValue);
        variance += (i - meanIndex) * (i - meanIndex);
    }
    return covariance / variance;
}

}

double QuestionStatistics::correctShare() const
{
    return share(correct, drawn);
}

double QuestionStatistics::unansweredShare() const
{
    return share(unanswered, drawn);
}

QList<QuestionStatistics> questionStatistics(const QList<AttemptRecord> &attempts)
{
    // Attempts in start order, so a bank's latest path names it.
    QMap<QString, QList<const AttemptRecord *>> byBank;
    for (const AttemptRecord &attempt : attempts) {
        if (attempt.evaluated())
            byBank[bankKey(attempt)].append(&attempt);
    }
    QList<QuestionStatistics> questions;
    for (const QList<const AttemptRecord *> &bankAttempts : std::as_const(byBank))
        questions += bankQuestions(bankAttempts);
    std::stable_sort(questions.begin(), questions.end(), [](const QuestionStatistics &a, const QuestionStatistics &b) {
        return std::tie(a.bankPath, a.bankSha256, a.cis) < std::tie(b.bankPath, b.bankSha256, b.cis);
    });
    return questions;
}

QList<PersonStatistics> personStatistics(const QList<AttemptRecord> &attempts)
{
    QMap<QString, PersonStatistics> byName;
    QMap<QString, QList<qint32>> rates;
    for (const AttemptRecord &attempt : attempts) {
        const QString name = attempt.person.trimmed();
        PersonStatistics &person = byName[name];
        person.person = name;
        ++person.attempts;
        if (attempt.evaluated())
            rates[name].append(attempt.counts.percent);
    }
    QList<PersonStatistics> persons;
    for (PersonStatistics &person : byName) {
        const QList<qint32> personRates = rates.value(person.person);
        person.evaluated = static_cast<int>(personRates.size());
        if (!personRates.isEmpty()) {
            person.best = *std::max_element(personRates.cbegin(), personRates.cend());
            person.last = personRates.constLast();
        }
        if (personRates.size() >= 2)
            person.trend = slope(personRates);
        persons.append(person);
    }
    return persons;
}

ResultsSummary summarise(QList<AttemptRecord> attempts)
{
    std::stable_sort(attempts.begin(), attempts.end(), [](const AttemptRecord &a, const AttemptRecord &b) {
        return a.start < b.start;
    });
    ResultsSummary summary;
    summary.questions = questionStatistics(attempts);
    summary.persons = personStatistics(attempts);
    summary.attempts = std::move(attempts);
    return summary;
}

}
