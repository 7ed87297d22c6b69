// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/Value.h"

#include "platform/core/Conversions.h"
#include "paradox/Bytes.h"
#include "paradox/FileFormat.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"
#include "paradox/TextCodec.h"

#include <QDate>
#include <QDir>
#include <QTime>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

using namespace paradox::bytes;

namespace paradox {

namespace {

constexpr int BcdDigits = 32;
constexpr qint64 MillisecondsPerDay = 86'400'000;
// Julian day of the day before 1 January of year 1, so that day 1 is that date.
constexpr qint64 JulianDayZero = 1'721'425;

QString textUpToZero(const char *bytes, int size, const TextCodec &codec)
{
    const auto *end = static_cast<const char *>(std::memchr(bytes, 0, static_cast<size_t>(size)));
    return codec.decode(bytes, end ? end - bytes : size);
}

bool isTextBlob(FieldType type)
{
    return type == FieldType::Memo || type == FieldType::FormattedMemo;
}

Value decodeBlob(const char *bytes, const FieldDef &field, const TextCodec &codec,
                 const Memo &memo)
{
    const int inRecord = field.size - format::BlobLeaderSize;
    const quint32 blockAndIndex = readLE32(bytes + inRecord);
    const quint32 length = readLE32(bytes + inRecord + 4);
    if (length == 0)
        return {};
    const QByteArray data = length <= static_cast<quint32>(inRecord)
        ? QByteArray(bytes, length)
        : memo.value(blockAndIndex, length);
    if (!isTextBlob(field.type))
        return data;
    return textUpToZero(data.constData(), static_cast<int>(data.size()), codec);
}

// Packed decimal, high nibble first; a negative value stores each digit as 15 - digit. The
// writer leaves non-decimal junk past the digits a double carries: the digits end there.
Value decodeBcd(const char *bytes, int decimals)
{
    const auto *u = reinterpret_cast<const quint8 *>(bytes);
    if ((u[0] & 0x40) == 0)
        return {};
    const bool positive = (u[0] & 0x80) != 0;
    char text[BcdDigits + 3] = {'-', '0'};
    int length = 2;
    bool ended = false;
    for (int i = 0; i < BcdDigits; ++i) {
        int digit = (u[1 + i / 2] >> (i % 2 == 0 ? 4 : 0)) & 0x0F;
        if (!positive)
            digit = 0x0F - digit;
        ended = ended || digit > 9;
        if (i == BcdDigits - decimals)
            text[length++] = '.';
        text[length++] = static_cast<char>('0' + (ended ? 0 : digit));
    }
    const char *start = positive ? text + 1 : text;
    double number = 0;
    std::from_chars(start, text + length, number);
    return number == 0 ? 0.0 : number;
}

bool isIntegerType(FieldType type)
{
    return type == FieldType::Short || type == FieldType::Long || type == FieldType::AutoInc;
}

bool isTextType(FieldType type)
{
    return type == FieldType::Alpha || isTextBlob(type);
}

[[noreturn]] void failInteger(const QString &text, const QString &fieldName)
{
    throw ConvertError(QStringLiteral("Hodnota „%1“ pole %2 není platné celé číslo.")
                           .arg(text, fieldName));
}

qint32 roundToInteger(double number, const QString &fieldName)
{
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        failInteger(numberToText(number), fieldName);
    return static_cast<qint32>(rounded);
}

}

Value decodeValue(const char *bytes, const FieldDef &field, const TextCodec &codec,
                  const Memo &memo)
{
    if (isBlank(bytes, field.size))
        return {};
    switch (field.type) {
    case FieldType::Alpha:
        return textUpToZero(bytes, field.size, codec);
    case FieldType::Short:
        return qint64(decodeShort(bytes));
    case FieldType::Long: case FieldType::AutoInc: case FieldType::Date: case FieldType::Time:
        return qint64(decodeLong(bytes));
    case FieldType::Number: case FieldType::Currency: case FieldType::Timestamp:
        return decodeNumber(bytes);
    case FieldType::Logical:
        return static_cast<quint8>(bytes[0]) != 0x80;
    case FieldType::Bcd:
        return decodeBcd(bytes, field.decimals);
    case FieldType::Bytes:
        return QByteArray(bytes, field.size);
    case FieldType::Memo: case FieldType::Blob: case FieldType::FormattedMemo:
    case FieldType::Ole: case FieldType::Graphic:
        return decodeBlob(bytes, field, codec, memo);
    }
    return {};
}

QString numberToText(double number)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(number, 'g', QLocale::FloatingPointShortest);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString valueToText(const Value &value, FieldType type)
{
    if (const auto *integer = std::get_if<qint64>(&value)) {
        if (type == FieldType::Date)
            return QDate::fromJulianDay(JulianDayZero + *integer).toString(Qt::ISODate);
        if (type == FieldType::Time)
            return QTime::fromMSecsSinceStartOfDay(static_cast<int>(*integer % MillisecondsPerDay)).toString(Qt::ISODateWithMs);
        return QString::number(*integer);
    }
    if (const auto *real = std::get_if<double>(&value)) {
        if (type == FieldType::Timestamp && std::isfinite(*real) && std::abs(*real) < 1e17) {
            const auto ms = static_cast<qint64>(*real);
            const QDate date = QDate::fromJulianDay(JulianDayZero + 1 + ms / MillisecondsPerDay);
            const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms % MillisecondsPerDay));
            return date.toString(Qt::ISODate) + QLatin1Char(' ') + time.toString(Qt::ISODate);
        }
        return numberToText(*real);
    }
    if (const auto *logical = std::get_if<bool>(&value))
        return *logical ? QStringLiteral("true") : QStringLiteral("false");
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *data = std::get_if<QByteArray>(&value))
        return QString::fromLatin1(data->toHex());
    return {};
}

qint32 valueToInteger(const Value &value, FieldType type, const QString &fieldName)
{
    if (std::holds_alternative<std::monostate>(value))
        return 0;
    if (isIntegerType(type)) {
        const qint64 integer = std::get<qint64>(value);
        if (integer < std::numeric_limits<qint32>::min() || integer > std::numeric_limits<qint32>::max())
            failInteger(QString::number(integer), fieldName);
        return static_cast<qint32>(integer);
    }
    if (type == FieldType::Number || type == FieldType::Currency || type == FieldType::Bcd)
        return roundToInteger(std::get<double>(value), fieldName);
    const QString text = valueToText(value, type);
    if (isTextType(type)) {
        if (const auto integer = tryStrToInt(trimControl(text)))
            return *integer;
    }
    failInteger(text, fieldName);
}

}
