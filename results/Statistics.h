// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace results {

// One question of one bank over the evaluated attempts that drew it. A bank is known by the
// SHA-256 of its test.db, so an edited bank starts afresh.
struct QuestionStatistics
{
    QString bankSha256;
    QString bankPath; // as the latest attempt names it
    qint32 cis = 0;
    qint32 group = 0;
    std::optional<qint32> correctAnswer;
    int drawn = 0;
    int correct = 0;
    int unanswered = 0;
    std::array<int, 3> chosen{}; // how often A, B, C was given; the wrong ones are those not correct

    // Of the times drawn, 0 (nobody) to 1 (everybody): the classical difficulty index as well.
    double correctShare() const;
    double unansweredShare() const;
    // The share correct among the upper 27 % of that bank's attempts by rate minus the share among
    // the lower 27 %, -1..1; none below two attempts, or when one of the groups did not draw it.
    std::optional<double> discrimination;
};

// One person (the name as recorded, trimmed) over all banks.
struct PersonStatistics
{
    QString person;
    int attempts = 0; // every attempt, unfinished ones too
    int evaluated = 0;
    std::optional<qint32> best; // rate of the best evaluated attempt
    std::optional<qint32> last; // rate of the latest evaluated attempt
    // The least-squares slope of the evaluated attempts' rates in start order, in percentage
    // points per attempt; none below two evaluated attempts.
    std::optional<double> trend;
};

// The share of an attempt's bank's attempts that form its upper and lower group.
inline constexpr double DiscriminationGroupShare = 0.27;

// Ordered by bank path, then its version (SHA-256), then the number.
QList<QuestionStatistics> questionStatistics(const QList<AttemptRecord> &attempts);
// Ordered by name.
QList<PersonStatistics> personStatistics(const QList<AttemptRecord> &attempts);

// Everything the report and the CSV show, for the attempts given (already filtered).
struct ResultsSummary
{
    QList<AttemptRecord> attempts; // ordered by start
    QList<QuestionStatistics> questions;
    QList<PersonStatistics> persons;
};
ResultsSummary summarise(QList<AttemptRecord> attempts);

}
