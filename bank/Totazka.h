// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Slots of a test's questions: room for 300 questions, as the original form had it; slot 0
// unused.
constexpr int QuestionSlots = 301;

// Values of Totazka::wspravneodpovezeno.
enum AnswerResult : qint32 {
    Unanswered = 0,
    AnsweredCorrectly = 1,
    AnsweredWrongly = 2,
};

// One question of a test: the bank's texts and correct answer, the answer given and its result.
struct Totazka
{
    QString wdotaz;
    QString wodp1;
    QString wodp2;
    QString wodp3;
    QString wkomentar;
    qint32 wcspravOdp = 0;
    qint32 wodpovezeno = 0;
    qint32 wspravneodpovezeno = Unanswered;
};
