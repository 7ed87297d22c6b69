// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A 32-bit integer from text: optional sign, decimal digits, nothing else; raises ConvertError
// naming the text otherwise.
qint32 strToInt(const QString &text);
std::optional<qint32> tryStrToInt(const QString &text);

// The text without leading and trailing spaces and control characters (codes up to 32).
QString trimControl(const QString &text);
