// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/Totazka.h"
#include "platform/core/DateTime.h"

#include <optional>

// Where a run goes after an answer: the question now shown, and whether every question has
// been answered (the answer buttons then close and the indicators reopen questions).
struct RunStep
{
    qint32 question = 0;
    bool allAnswered = false;
};

// The step after answering question `current` of questionCount: the next question while the
// first round lasts; once it is over, or when a reopened question is answered, the question
// stays and the round counts as answered.
RunStep stepAfterAnswer(qint32 current, qint32 questionCount, bool allAnswered);

// The result of giving answer index `given` where `correct` is right.
AnswerResult answerResult(qint32 given, qint32 correct);

// The countdown at a tick: the time left until the end, none once the end has passed (a tick
// exactly at the end still counts down).
std::optional<TDateTime> remainingTime(TDateTime now, TDateTime end);

// The progress bar's maximum while a test of this length runs; a 0-minute test asks for -1.
int runBarMaximum(TDateTime duration);

// The progress bar's position: the whole seconds elapsed of the test, kept within 0..maximum
// (QProgressBar would ignore a value past its maximum instead).
int elapsedBarPosition(TDateTime duration, TDateTime remaining, int maximum);
