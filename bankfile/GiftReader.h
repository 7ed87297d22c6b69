// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QString>

// The questions of a GIFT text. Raises ImportError with the line for an answer block
// or title left open.
BankContent readGift(const QString &file, const QString &text);
