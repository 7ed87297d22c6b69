// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QString>

class LineSource;

// The questions of a GIFT text, read a line at a time; room is made for `expected` questions at
// once. Raises ImportError with the line for an answer block or title left open.
BankContent readGift(const QString &file, LineSource &lines, qsizetype expected = 0);
BankContent readGift(const QString &file, const QString &text);
