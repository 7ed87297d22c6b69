// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testrun/RunStep.h"

RunStep stepAfterAnswer(qint32 current, qint32 questionCount, bool allAnswered)
{
    if (allAnswered)
        return {current, true};
    const qint32 next = current + 1;
    return {next, next > questionCount};
}

AnswerResult answerResult(qint32 given, qint32 correct)
{
    return given == correct ? AnsweredCorrectly : AnsweredWrongly;
}

std::optional<TDateTime> remainingTime(TDateTime now, TDateTime end)
{
    if (now > end)
        return std::nullopt;
    return end - now;
}

int runBarMaximum(TDateTime duration)
{
    return TimeToSeconds(duration) - 1;
}

int elapsedBarPosition(TDateTime duration, TDateTime remaining, int maximum)
{
    return qBound(0, TimeToSeconds(duration - remaining), maximum);
}
