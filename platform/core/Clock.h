// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <functional>

// The outside world's time. Tests set it, so nothing depends on the time of day.
class Clock
{
public:
    // Local date and time as a day fraction: days since 1899-12-30 00:00.
    static double now();
    // Milliseconds since an arbitrary start, monotonic, 64 bits (never wraps).
    static qint64 tickCount();
    // A fast-running counter for seeding.
    static quint64 highResCounter();

    static void setNowForTests(std::function<double()> now);
    static void setTickCountForTests(std::function<qint64()> tickCount);
};
