// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/RandomGenerator.h"

quint32 RandSeed = 0;

void randomize(quint64 counter)
{
    RandSeed = static_cast<quint32>(counter);
}

qint32 randomBelow(qint32 n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<qint32>((static_cast<quint64>(RandSeed) * static_cast<quint32>(n)) >> 32);
}
