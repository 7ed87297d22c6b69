// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/Totazka.h"

#include <array>

class QWidget;
struct PrintFormat;

// The two printouts of a test: questions 1..questionCount of `questions`, at most a full test.
// Each shows the print dialog over dialogParent first and prints nothing when it is cancelled.
// Printer failures raise AppError.
void PrintTest(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount,
               const PrintFormat &format, QWidget *dialogParent);
void PrintKey(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount,
              const PrintFormat &format, QWidget *dialogParent);
