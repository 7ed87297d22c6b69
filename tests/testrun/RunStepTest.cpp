// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testrun/RunStep.h"

#include "platform/core/DateTime.h"

#include <gtest/gtest.h>

namespace {

TDateTime minutes(double count)
{
    return count / 1440.0;
}

}

TEST(RunStep, AnswerMovesOnUntilTheLastThenStays)
{
    struct Row
    {
        qint32 current, count;
        bool allAnswered;
        RunStep expected;
    };
    const Row rows[] = {
        {1, 30, false, {2, false}},
        {29, 30, false, {30, false}},
        {30, 30, false, {31, true}}, // past the last: the round is over
        {1, 1, false, {2, true}},
        {7, 30, true, {7, true}}, // a reopened question keeps its place
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.current << " of " << row.count << (row.allAnswered ? " reopened" : ""));
        const RunStep step = stepAfterAnswer(row.current, row.count, row.allAnswered);
        EXPECT_EQ(step.question, row.expected.question);
        EXPECT_EQ(step.allAnswered, row.expected.allAnswered);
    }
    EXPECT_EQ(answerResult(2, 2), AnsweredCorrectly);
    EXPECT_EQ(answerResult(0, 2), AnsweredWrongly);
    EXPECT_EQ(answerResult(1, 3), AnsweredWrongly) << "a correct answer outside A..C is never given";
}

TEST(RunStep, BarShowsTheWholeSecondsElapsedWithinItsRange)
{
    struct Row
    {
        double durationMinutes;
        double remainingMinutes;
        int position;
    };
    // A 30-minute test has the maximum 1799.
    const int maximum = runBarMaximum(minutes(30));
    ASSERT_EQ(maximum, 1799);
    const Row rows[] = {
        {30, 30, 0},
        {30, 29.5, 30},
        {30, 0, 1799},     // 1800 seconds elapsed show as a full bar
        {0, 0, 0},         // a 0-minute test without a tick before its end
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << row.durationMinutes << " min, " << row.remainingMinutes << " left");
        EXPECT_EQ(elapsedBarPosition(minutes(row.durationMinutes), minutes(row.remainingMinutes), maximum), row.position);
    }
    EXPECT_EQ(runBarMaximum(minutes(0)), -1);
}

TEST(RunStep, CountdownRunsUpToTheEndAndStopsPastIt)
{
    const TDateTime end = 45000.5;
    EXPECT_NEAR(remainingTime(end - minutes(10), end).value_or(-1), minutes(10), 1e-9);
    EXPECT_EQ(remainingTime(end, end), std::optional<TDateTime>(0.0));
    EXPECT_FALSE(remainingTime(end + 1.0 / 86400000, end).has_value());
}
