// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testrun/AnswerEvaluation.h"

#include <algorithm>

EvaluationCounts evaluateAnswers(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount)
{
    EvaluationCounts counts;
    const int last = std::min(questionCount, QuestionSlots - 1);
    for (int n = 1; n <= last; ++n) {
        switch (questions[n].wspravneodpovezeno) {
        case Unanswered:
            ++counts.unanswered;
            break;
        case AnsweredCorrectly:
            ++counts.correct;
            break;
        case AnsweredWrongly:
            ++counts.wrong;
            break;
        default:
            break;
        }
    }
    counts.percent = successRate(counts.correct, questionCount);
    return counts;
}

QString evaluationCountsText(const EvaluationCounts &counts)
{
    QString text = QStringLiteral("správně: %1   špatně: %2").arg(counts.correct).arg(counts.wrong);
    if (counts.unanswered > 0)
        text += QStringLiteral("   neodpovězeno: %1").arg(counts.unanswered);
    return text;
}

// Integer arithmetic keeps the quotient exact (15 of 24 is 62, where a rounded 100 / 24 gives 63).
qint32 successRate(qint32 correct, qint32 total)
{
    if (total <= 0)
        return 0;
    const qint64 scaled = 100LL * correct;
    qint64 quotient = scaled / total;
    const qint64 twiceRemainder = 2 * (scaled % total);
    if (twiceRemainder > total || (twiceRemainder == total && quotient % 2 != 0))
        ++quotient;
    return static_cast<qint32>(quotient);
}
