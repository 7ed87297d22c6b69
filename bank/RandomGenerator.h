// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The draw's linear congruential generator: 32-bit state, seeded once at process start.
extern quint32 RandSeed;

// Seeds the generator from a reading of the high-resolution counter; its low 32 bits are the state.
void randomize(quint64 counter);
// A number from 0 to n - 1 (0 when n is 0): state := state * 134775813 + 1, then the upper
// 32 bits of state * n.
qint32 randomBelow(qint32 n);
