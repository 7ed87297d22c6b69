// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/TestSize.h"
#include "bank/Totazka.h"
#include "platform/Canvas.h"
#include "platform/core/DateTime.h"
#include "results/AttemptRecord.h"

#include <QString>
#include <array>
#include <memory>

class ProfileFile;

// Slots of SelectedNumbers: one a question of a full test, slot 0 unused.
constexpr int SelectedNumberSlots = TestCapacity + 1;

// Values of TestPhase.
enum TestPhaseValue : qint32 {
    PhaseGenerated = 0, // generated or running
    PhaseRevisiting = 1, // every question answered; indicators reopen them
    PhaseEvaluated = 2, // indicators review them
};

// Program-wide test state. Arrays are indexed from 1 as the questions and groups are
// numbered; slot 0 is never used.
extern qint32 QuestionCount;
extern std::array<qint32, SelectedNumberSlots> SelectedNumbers;
// The group each drawn number came from, as the draw gave it.
extern std::array<qint32, SelectedNumberSlots> SelectedGroups;
extern std::array<Totazka, QuestionSlots> TestQuestions;
extern QString TestCode;
extern qint32 BankRecordCount;
extern std::array<qint32, 4> GroupCount;
extern std::array<qint32, 4> GroupPercent;
extern std::array<qint32, 4> GroupQuota;
extern std::array<qint32, 4> GroupDrawn;
extern qint32 DrawnGroup;
extern qint32 CurrentQuestion;
extern qint32 TestPhase;
extern bool AllAnswered;
extern qint32 TestMinutes;
extern TDateTime TestDuration;
extern TDateTime TestStart;
extern TDateTime TestEnd;
extern TDateTime RemainingTime;
extern QString ProgramDir;
extern QString BankPath;
// The bank the test on screen was drawn from, as it was when opened: a bank opened later for a
// draw that is refused or fails does not change it.
extern results::BankFacts TestBank;
extern std::unique_ptr<ProfileFile> SettingsFile;
extern qint32 PrinterLeftMargin;
extern qint32 FontSizeIndex;
extern qint32 TextFontSize;
extern qint32 PrintLineLength;
extern TColor CorrectColor;
extern TColor WrongColor;
extern TColor AnswerColor;
extern TColor UnansweredColor;
extern qint32 CorrectCount;
extern qint32 WrongCount;
extern qint32 UnansweredCount;
extern qint32 SuccessPercent;
extern bool KeyPrintRequest;
extern QString KeyPasswordExpected;
extern QString KeyPasswordEntered;
