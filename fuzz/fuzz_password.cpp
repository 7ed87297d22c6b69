// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The stored key-print password: decoding any text either fails cleanly or yields a password
// that encodes back to the same text (when no piece has a leading zero).
#include "settings/StoredPassword.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString stored = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QString> decoded = decodePassword(stored);
    if (!decoded)
        return 0;
    const QString password = *decoded;
    bool leadingZero = false;
    for (qsizetype piece = 0; piece < stored.size(); piece += 2)
        leadingZero = leadingZero || stored[piece] == QLatin1Char('0');
    if (!leadingZero && encodePassword(password) != stored)
        std::abort();
    return 0;
}
