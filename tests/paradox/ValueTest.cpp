// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding of stored field bytes and the engine's conversions to integer and text.
#include "platform/core/AppError.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"
#include "paradox/Value.h"
#include "paradox/TextCodec.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace paradox;

namespace {

class FieldValues : public ::testing::Test
{
protected:
    Value decode(FieldType type, const QByteArray &bytes) const
    {
        // A BCD field's decimal places repeat in byte 0 of every value.
        const int decimals = type == FieldType::Bcd ? bytes[0] & 0x3F : 0;
        return decodeValue(bytes.constData(), FieldDef{QStringLiteral("F"), type, int(bytes.size()), decimals},
                           m_codec, m_memo);
    }
    QString text(FieldType type, const QByteArray &bytes) const { return valueToText(decode(type, bytes), type); }
    qint32 integer(FieldType type, const QByteArray &bytes) const
    {
        return valueToInteger(decode(type, bytes), type, QStringLiteral("F"));
    }
    static QByteArray alpha(const QByteArray &text, int size)
    {
        QByteArray bytes = text;
        bytes.resize(size, '\0');
        return bytes;
    }
    // A Number field holding `value`, stored as the format says: big-endian IEEE with the sign
    // bit set for positive values, all bits inverted for negative ones.
    static QByteArray number(double value)
    {
        quint64 raw;
        std::memcpy(&raw, &value, 8);
        raw = (raw >> 63) ? ~raw : raw | (1ull << 63);
        QByteArray bytes(8, '\0');
        for (int i = 0; i < 8; ++i)
            bytes[i] = char(raw >> (56 - 8 * i));
        return bytes;
    }
    static QByteArray longValue(qint32 value)
    {
        const quint32 raw = quint32(value) ^ 0x80000000u;
        return QByteArray::fromHex(QByteArray::number(raw, 16).rightJustified(8, '0'));
    }

    paradox::TextCodec m_codec{1250};
    paradox::Memo m_memo;
};

TEST_F(FieldValues, IntegerTypesUseBigEndianWithFlippedSignBit)
{
    EXPECT_EQ(integer(FieldType::Short, QByteArray::fromHex("8000")), 0);
    EXPECT_EQ(integer(FieldType::Short, QByteArray::fromHex("7FFF")), -1);
    EXPECT_EQ(integer(FieldType::Short, QByteArray::fromHex("8102")), 258);
    EXPECT_EQ(integer(FieldType::Long, QByteArray::fromHex("80000001")), 1);
    EXPECT_EQ(integer(FieldType::Long, QByteArray::fromHex("7FFFFFFE")), -2);
    EXPECT_EQ(integer(FieldType::AutoInc, QByteArray::fromHex("80000100")), 256);
    EXPECT_EQ(integer(FieldType::Long, QByteArray::fromHex("FFFFFFFF")), 2147483647);
}

TEST_F(FieldValues, NumberUsesBigEndianIeeeWithTheFormatsSignRule)
{
    EXPECT_EQ(text(FieldType::Number, QByteArray::fromHex("BFF0000000000000")), QStringLiteral("1"));
    EXPECT_EQ(text(FieldType::Number, QByteArray::fromHex("400FFFFFFFFFFFFF")), QStringLiteral("-1"));
    EXPECT_EQ(text(FieldType::Currency, number(-12.75)), QStringLiteral("-12.75"));
    // A stored zero is not all-zero bytes and so is not blank.
    EXPECT_EQ(text(FieldType::Number, number(0.0)), QStringLiteral("0"));
}

TEST_F(FieldValues, AllZeroBytesAreBlankForEveryType)
{
    for (const auto &[type, size] : {std::pair{FieldType::Alpha, 10}, {FieldType::Short, 2}, {FieldType::Long, 4},
                                     {FieldType::Number, 8}, {FieldType::Date, 4}, {FieldType::Logical, 1},
                                     {FieldType::Memo, 20}, {FieldType::Bcd, 17}, {FieldType::Bytes, 5},
                                     {FieldType::Timestamp, 8}}) {
        const QByteArray zeros(size, '\0');
        EXPECT_TRUE(std::holds_alternative<std::monostate>(decode(type, zeros))) << int(type);
        EXPECT_EQ(integer(type, zeros), 0) << int(type);
        EXPECT_EQ(text(type, zeros), QString()) << int(type);
    }
}

TEST_F(FieldValues, NumbersRoundToNearestWithHalvesToEven)
{
    EXPECT_EQ(integer(FieldType::Number, number(2.5)), 2);
    EXPECT_EQ(integer(FieldType::Number, number(3.5)), 4);
    EXPECT_EQ(integer(FieldType::Number, number(-2.5)), -2);
    EXPECT_EQ(integer(FieldType::Number, number(-3.5)), -4);
    EXPECT_EQ(integer(FieldType::Number, number(2.4999)), 2);
    EXPECT_EQ(integer(FieldType::Currency, number(7.51)), 8);
    EXPECT_EQ(integer(FieldType::Number, number(-2147483648.0)), std::numeric_limits<qint32>::min());
    EXPECT_EQ(integer(FieldType::Number, number(2147483647.4)), std::numeric_limits<qint32>::max());
}

TEST_F(FieldValues, NumbersOutsideThe32BitRangeRaiseAConversionErrorNamingTheValue)
{
    for (const double value : {2147483648.0, -2147483649.0, 1e20}) {
        try {
            integer(FieldType::Number, number(value));
            ADD_FAILURE() << value;
        } catch (const ConvertError &error) {
            EXPECT_TRUE(error.message().contains(numberToText(value))) << qPrintable(error.message());
        }
    }
}

TEST_F(FieldValues, AlphaConvertsToIntegerOnlyWhenItHoldsADecimalInteger)
{
    EXPECT_EQ(integer(FieldType::Alpha, alpha("42", 6)), 42);
    EXPECT_EQ(integer(FieldType::Alpha, alpha("-17", 6)), -17);
    EXPECT_EQ(integer(FieldType::Alpha, alpha(" 8 ", 6)), 8);
    for (const QByteArray &bad : {QByteArray("12a"), QByteArray("1.5"), QByteArray("x"), QByteArray("99999999999")}) {
        try {
            integer(FieldType::Alpha, alpha(bad, 12));
            ADD_FAILURE() << bad.constData();
        } catch (const ConvertError &error) {
            EXPECT_TRUE(error.message().contains(QString::fromLatin1(bad))) << qPrintable(error.message());
        }
    }
}

TEST_F(FieldValues, TypesWithoutANumberRefuseIntegerConversion)
{
    EXPECT_THROW(integer(FieldType::Logical, QByteArray::fromHex("81")), ConvertError);
    EXPECT_THROW(integer(FieldType::Date, longValue(10)), ConvertError);
    EXPECT_THROW(integer(FieldType::Bytes, QByteArray::fromHex("0102")), ConvertError);
}

TEST_F(FieldValues, LogicalDateAndTimeDecodeToText)
{
    EXPECT_EQ(text(FieldType::Logical, QByteArray::fromHex("80")), QStringLiteral("false"));
    EXPECT_EQ(text(FieldType::Logical, QByteArray::fromHex("81")), QStringLiteral("true"));
    const QDate date(2024, 2, 29);
    const qint64 day = QDate(1, 1, 1).daysTo(date) + 1;
    EXPECT_EQ(text(FieldType::Date, longValue(qint32(day))), date.toString(Qt::ISODate));
    EXPECT_EQ(text(FieldType::Date, longValue(1)), QDate(1, 1, 1).toString(Qt::ISODate));
    EXPECT_EQ(text(FieldType::Time, longValue((13 * 3600 + 5 * 60 + 7) * 1000 + 250)), QStringLiteral("13:05:07.250"));
    const double stamp = double(QDate(1, 1, 1).daysTo(date)) * 86400000.0 + 3600000.0;
    EXPECT_EQ(text(FieldType::Timestamp, number(stamp)), date.toString(Qt::ISODate) + QStringLiteral(" 01:00:00"));
}

// A BCD value as Paradox stores it: presence and sign bits and the places in byte 0, then
// 32 digits (fraction last), each stored as 15 - digit for a negative value.
QByteArray bcdBytes(const QByteArray &wholeAndFraction, int places, bool negative = false)
{
    QByteArray bytes(17, '\0');
    bytes[0] = char((negative ? 0x40 : 0xC0) | places);
    const QByteArray digits = QByteArray(32 - wholeAndFraction.size(), '0') + wholeAndFraction;
    for (int i = 0; i < 32; ++i) {
        const int digit = negative ? 15 - (digits[i] - '0') : digits[i] - '0';
        bytes[1 + i / 2] = char(bytes[1 + i / 2] | (digit << (i % 2 ? 0 : 4)));
    }
    return bytes;
}

TEST_F(FieldValues, BcdDecodesSignPlacesAndDigitsLikeANumber)
{
    EXPECT_EQ(text(FieldType::Bcd, bcdBytes("12345", 2)), QStringLiteral("123.45"));
    EXPECT_EQ(text(FieldType::Bcd, bcdBytes("12345", 2, true)), QStringLiteral("-123.45"));
    EXPECT_EQ(text(FieldType::Bcd, bcdBytes("7", 0, true)), QStringLiteral("-7"));
    EXPECT_EQ(text(FieldType::Bcd, bcdBytes("0", 3, true)), QStringLiteral("0"));
    EXPECT_EQ(text(FieldType::Bcd, bcdBytes("99999999999999999999999999999999", 32)),
              QStringLiteral("1"));
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("12345", 2)), 123);
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("12355", 2, true)), -124);
    // −40.000000 as the format description shows it.
    const QByteArray minus40 = QByteArray::fromHex("46ffffffffffffffffffffffffbfffffff");
    EXPECT_EQ(std::get<double>(decode(FieldType::Bcd, minus40)), -40.0);
}

TEST_F(FieldValues, BcdDigitsEndAtTheFirstNonDecimalNibble)
{
    // 0.123 with 32 places, junk nibbles after the digits a double carries (bcd.db).
    const QByteArray stored = QByteArray::fromHex("e0 12 29 99 99 99 99 99 99 98 0b 00 e0 00 00 bf 4a");
    ASSERT_EQ(stored.size(), 17);
    EXPECT_EQ(std::get<double>(decode(FieldType::Bcd, stored)), 0.123);
    // Junk inside the integer part: what follows counts as zero, the value stays readable.
    QByteArray junk = bcdBytes("123456", 0);
    junk[15] = char(0x3B);
    EXPECT_EQ(text(FieldType::Bcd, junk), QStringLiteral("123000"));
    QByteArray negativeJunk = bcdBytes("123456", 0, true);
    negativeJunk[15] = char(0xC4);
    EXPECT_EQ(text(FieldType::Bcd, negativeJunk), QStringLiteral("-123000"));
}

TEST_F(FieldValues, BcdWithoutThePresenceBitIsBlank)
{
    QByteArray blank(17, '\0');
    blank[0] = char(2); // what Paradox writes for a blank of 2 places
    EXPECT_TRUE(std::holds_alternative<std::monostate>(decode(FieldType::Bcd, blank)));
    QByteArray noPresence = bcdBytes("12345", 2);
    noPresence[0] = char(0x82);
    EXPECT_EQ(text(FieldType::Bcd, noPresence), QString());
    EXPECT_EQ(integer(FieldType::Bcd, noPresence), 0);
}

TEST_F(FieldValues, BcdHalvesRoundToEven)
{
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("25", 1)), 2);
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("35", 1)), 4);
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("251", 2)), 3);
    EXPECT_EQ(integer(FieldType::Bcd, bcdBytes("25", 1, true)), -2);
    EXPECT_THROW(integer(FieldType::Bcd, bcdBytes("3000000000", 0)), ConvertError);
}

TEST_F(FieldValues, AlphaTextEndsAtTheFirstZeroAndIsConvertedFromTheCodePage)
{
    // "Žluťoučký" in code page 1250.
    const QByteArray stored = alpha(QByteArray::fromHex("8E6C759D6F75E86BFD"), 16);
    EXPECT_EQ(text(FieldType::Alpha, stored), QStringLiteral("Žluťoučký"));
}

TEST_F(FieldValues, ShortestRoundTripDecimalForReals)
{
    for (const double value : {19.68503937007874, 0.1, 1e21, -0.000125, 123456789.0}) {
        const QString shown = numberToText(value);
        EXPECT_EQ(shown.toDouble(), value) << qPrintable(shown);
        EXPECT_FALSE(shown.contains(QLatin1Char('e'))) << qPrintable(shown);
    }
    EXPECT_EQ(numberToText(50.0), QStringLiteral("50"));
    EXPECT_EQ(numberToText(0.1), QStringLiteral("0.1"));
}

TEST_F(FieldValues, BytesAreShownInHex)
{
    EXPECT_EQ(text(FieldType::Bytes, QByteArray::fromHex("00ff10")), QStringLiteral("00ff10"));
}

}
