// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/Totazka.h"

#include <QString>
#include <array>

// What the evaluation shows: the counts of each result and the success rate in percent.
struct EvaluationCounts
{
    qint32 correct = 0;
    qint32 wrong = 0;
    qint32 unanswered = 0;
    qint32 percent = 0;
};

// Counts the results of questions 1..questionCount; a value other than the three results
// counts nowhere. The rate is of all questionCount questions.
EvaluationCounts evaluateAnswers(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount);

// The status line's counts: correct and wrong, and the unanswered ones when there are any.
QString evaluationCountsText(const EvaluationCounts &counts);

// 100 × correct / total to the nearest integer, an exact half to the even neighbour; 0 for no
// questions.
qint32 successRate(qint32 correct, qint32 total);
