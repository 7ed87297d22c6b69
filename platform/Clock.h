#pragma once

#include <QtGlobal>
#include <functional>

// The outside world's time. Tests set it, so nothing depends on the time of day.
class Clock
{
public:
    // Local date and time as a day fraction: days since 1899-12-30 00:00.
    static double Now();
    // Milliseconds since an arbitrary start, monotonic, 64 bits (never wraps).
    static qint64 TickCount();
    // A fast-running counter for seeding.
    static quint64 HighResCounter();

    static void SetNowForTests(std::function<double()> now);
    static void SetTickCountForTests(std::function<qint64()> tickCount);
};
