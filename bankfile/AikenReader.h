// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QString>

// The questions of an Aiken text: the question, options "A." or "A)" on lines of their own,
// then "ANSWER: X". Raises ImportError with the line where that order breaks.
BankContent readAiken(const QString &file, const QString &text);
