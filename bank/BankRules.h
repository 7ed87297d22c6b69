// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// What the program makes of a record's values, in one place: the draw follows these rules, and
// the bank tool's build, check and export warn of values that break them.
namespace BankRules {

// The groups a test draws from are 1 to GroupCount.
constexpr int GroupCount = 3;
// Answers per question: A, B, C.
constexpr int AnswerCount = 3;

// Whether CspravOdp names an answer (0 is A, 2 is C); with another value no answer is correct.
constexpr bool isAnswerIndex(qint32 cspravOdp)
{
    return cspravOdp >= 0 && cspravOdp < AnswerCount;
}

// Whether the draw takes questions of this Skupina; a record of another group never appears.
constexpr bool isDrawableGroup(qint32 skupina)
{
    return skupina >= 1 && skupina <= GroupCount;
}

// Whether a question or answer text shows as nothing: empty, or only spaces and control
// characters.
bool isBlankText(const QString &text);

}
