// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A 32-bit integer from text: optional sign, decimal digits, nothing else; raises ConvertError
// naming the text otherwise.
qint32 StrToInt(const QString &text);
std::optional<qint32> TryStrToInt(const QString &text);

// The text without leading and trailing spaces and control characters (codes up to 32).
QString TrimControl(const QString &text);
