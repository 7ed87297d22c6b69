// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/Conversions.h"

#include "platform/core/AppError.h"

#include <limits>

std::optional<qint32> tryStrToInt(const QString &text)
{
    int position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == QLatin1Char('-') || text[position] == QLatin1Char('+'))) {
        negative = text[position] == QLatin1Char('-');
        ++position;
    }
    if (position == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; position < text.size(); ++position) {
        const QChar c = text[position];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > static_cast<qint64>(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

qint32 strToInt(const QString &text)
{
    if (const auto value = tryStrToInt(text))
        return *value;
    throw ConvertError(QStringLiteral("„%1“ není platné celé číslo.").arg(text));
}

QString trimControl(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}
