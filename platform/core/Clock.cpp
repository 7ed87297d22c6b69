// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/Clock.h"

#include "platform/core/DateTime.h"

#include <QDateTime>
#include <chrono>

namespace {
std::function<double()> &nowReplacement()
{
    static std::function<double()> now;
    return now;
}

std::function<qint64()> &tickReplacement()
{
    static std::function<qint64()> tickCount;
    return tickCount;
}
}

double Clock::now()
{
    if (nowReplacement())
        return nowReplacement()();
    return DateTime::fromQDateTime(QDateTime::currentDateTime());
}

qint64 Clock::tickCount()
{
    if (tickReplacement())
        return tickReplacement()();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

quint64 Clock::highResCounter()
{
    return static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void Clock::setNowForTests(std::function<double()> now)
{
    nowReplacement() = std::move(now);
}

void Clock::setTickCountForTests(std::function<qint64()> tickCount)
{
    tickReplacement() = std::move(tickCount);
}
