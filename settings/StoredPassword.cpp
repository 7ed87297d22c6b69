// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/StoredPassword.h"

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}

QString encodePassword(const QString &password)
{
    QString stored;
    for (QChar c : password)
        stored += QString::number(c.unicode());
    return stored;
}

std::optional<QString> decodePassword(const QString &stored)
{
    // Writing gives two digits a character; anything else was damaged and must never turn
    // into a password that happens to match, such as the empty one.
    if (stored.size() % 2 != 0 || !std::all_of(stored.begin(), stored.end(), isDigit))
        return std::nullopt;
    QString password;
    for (qsizetype piece = 0; piece < stored.size(); piece += 2)
        password += QChar(char16_t(stored.mid(piece, 2).toInt()));
    return password;
}
