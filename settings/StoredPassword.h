// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The stored form of a password: the decimal code of each character, joined.
QString encodePassword(const QString &password);
// The password of a stored form; none unless the text is pairs of digits.
std::optional<QString> decodePassword(const QString &stored);
