// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

// Time values are day fractions in a double: days since 1899-12-30 00:00, the fraction
// being the time of day (1.0 is one day, 30 minutes is 30/1440).
using TDateTime = double;

// The whole seconds of the time-of-day part of a time value.
qint32 TimeToSeconds(TDateTime t);

namespace DateTime {

constexpr double MillisecondsPerDay = 86400000.0;

// A time of day; raises ConvertError unless 0 <= h < 24, 0 <= m < 60, 0 <= s < 60, 0 <= ms < 1000.
double encodeTime(int hours, int minutes, int seconds, int milliseconds);

double fromQDateTime(const QDateTime &dateTime);
QDateTime toQDateTime(double value);

// The time-of-day part of the value in the user's long time format (hours, minutes, seconds).
QString longTimeText(double value);
// The date part of the value in the user's short date format.
QString shortDateText(double value);

}
