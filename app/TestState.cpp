// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TestState.h"

#include "platform/core/ProfileFile.h"

qint32 QuestionCount = 0;
std::array<qint32, SelectedNumberSlots> SelectedNumbers{};
std::array<qint32, SelectedNumberSlots> SelectedGroups{};
std::array<Totazka, QuestionSlots> TestQuestions{};
QString TestCode;
qint32 BankRecordCount = 0;
std::array<qint32, 4> GroupCount{};
std::array<qint32, 4> GroupPercent{};
std::array<qint32, 4> GroupQuota{};
std::array<qint32, 4> GroupDrawn{};
qint32 DrawnGroup = 0;
qint32 CurrentQuestion = 0;
qint32 TestPhase = PhaseGenerated;
bool AllAnswered = false;
qint32 TestMinutes = 0;
TDateTime TestDuration = 0;
TDateTime TestStart = 0;
TDateTime TestEnd = 0;
TDateTime RemainingTime = 0;
QString ProgramDir;
QString BankPath;
results::BankFacts TestBank;
std::unique_ptr<ProfileFile> SettingsFile;
qint32 PrinterLeftMargin = 0;
qint32 FontSizeIndex = 0;
qint32 TextFontSize = 0;
qint32 PrintLineLength = 0;
TColor CorrectColor = 0;
TColor WrongColor = 0;
TColor AnswerColor = 0;
TColor UnansweredColor = 0;
qint32 CorrectCount = 0;
qint32 WrongCount = 0;
qint32 UnansweredCount = 0;
qint32 SuccessPercent = 0;
bool KeyPrintRequest = false;
QString KeyPasswordExpected;
QString KeyPasswordEntered;
