// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testrun/AnswerEvaluation.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

std::array<Totazka, QuestionSlots> withResults(const QList<qint32> &results)
{
    std::array<Totazka, QuestionSlots> questions{};
    for (qsizetype i = 0; i < results.size(); ++i)
        questions[i + 1].wspravneodpovezeno = results[i];
    return questions;
}

}

TEST(AnswerEvaluation, CountsEachResultOfTheTestsQuestionsOnly)
{
    auto questions = withResults({AnsweredCorrectly, AnsweredWrongly, Unanswered, AnsweredCorrectly,
                                  AnsweredCorrectly, AnsweredWrongly});
    questions[0].wspravneodpovezeno = AnsweredCorrectly; // slot 0 is no question
    const EvaluationCounts counts = evaluateAnswers(questions, 5);
    EXPECT_EQ(counts.correct, 3);
    EXPECT_EQ(counts.wrong, 1);
    EXPECT_EQ(counts.unanswered, 1);
    EXPECT_EQ(counts.percent, 60);
}

TEST(AnswerEvaluation, ValueOutsideTheResultsCountsNowhereButLowersTheRate)
{
    const EvaluationCounts counts = evaluateAnswers(withResults({AnsweredCorrectly, 7, -1, AnsweredCorrectly}), 4);
    EXPECT_EQ(counts.correct, 2);
    EXPECT_EQ(counts.wrong, 0);
    EXPECT_EQ(counts.unanswered, 0);
    EXPECT_EQ(counts.percent, 50);
}

TEST(AnswerEvaluation, NoQuestionsGiveZeroEverywhere)
{
    const EvaluationCounts counts = evaluateAnswers(withResults({AnsweredCorrectly}), 0);
    EXPECT_EQ(counts.correct, 0);
    EXPECT_EQ(counts.percent, 0);
}

TEST(AnswerEvaluation, RateIsRoundedHalfToEvenInExactArithmetic)
{
    struct Rate
    {
        qint32 correct, total, percent;
    };
    const Rate rates[] = {{1, 30, 3}, {2, 30, 7}, {15, 30, 50}, {29, 30, 97}, {1, 8, 12},
                          {3, 8, 38}, {15, 24, 62}, {5, 8, 62}, {7, 8, 88}, {0, 30, 0}, {30, 30, 100}};
    for (const Rate &rate : rates)
        EXPECT_EQ(successRate(rate.correct, rate.total), rate.percent) << rate.correct << " of " << rate.total;
    EXPECT_EQ(successRate(3, 0), 0);
    EXPECT_EQ(successRate(3, -2), 0);
}
