// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/DateTime.h"

#include "platform/core/AppError.h"

#include <QLocale>
#include <cmath>

namespace {
const QDate Epoch(1899, 12, 30);

// The locale's long time format names the time zone; the program shows times of day only.
QString longTimeFormatWithoutZone()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}
}

qint32 TimeToSeconds(TDateTime t)
{
    const double ms = std::fabs(std::nearbyint(t * DateTime::MillisecondsPerDay));
    const qint64 ofDay = static_cast<qint64>(std::fmod(ms, DateTime::MillisecondsPerDay));
    return static_cast<qint32>(ofDay / 1000);
}

namespace DateTime {

double encodeTime(int hours, int minutes, int seconds, int milliseconds)
{
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59
        || milliseconds < 0 || milliseconds > 999)
        throw ConvertError(QStringLiteral("Neplatný čas %1:%2:%3.%4")
                               .arg(hours).arg(minutes).arg(seconds).arg(milliseconds));
    const qint64 ms = ((hours * 60LL + minutes) * 60 + seconds) * 1000 + milliseconds;
    return ms / MillisecondsPerDay;
}

double fromQDateTime(const QDateTime &dateTime)
{
    const double days = Epoch.daysTo(dateTime.date());
    const double ms = dateTime.time().msecsSinceStartOfDay();
    return days + ms / MillisecondsPerDay;
}

QDateTime toQDateTime(double value)
{
    const qint64 totalMs = std::llround(value * MillisecondsPerDay);
    const qint64 msPerDay = static_cast<qint64>(MillisecondsPerDay);
    qint64 days = totalMs / msPerDay;
    qint64 ms = totalMs % msPerDay;
    if (ms < 0) {
        ms += msPerDay;
        --days;
    }
    return QDateTime(Epoch.addDays(days), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QString longTimeText(double value)
{
    const qint64 msPerDay = static_cast<qint64>(MillisecondsPerDay);
    qint64 ms = std::llabs(std::llround(value * MillisecondsPerDay)) % msPerDay;
    return QLocale::system().toString(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)),
                                      longTimeFormatWithoutZone());
}

QString shortDateText(double value)
{
    return QLocale::system().toString(toQDateTime(value).date(), QLocale::ShortFormat);
}

}
