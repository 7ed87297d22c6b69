// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/GroupQuotas.h"

#include <QList>
#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace {

struct QuotaRow
{
    std::array<qint32, 4> groups;
    qint32 records;
    qint32 questionCount;
    std::array<qint32, 4> percent;
    std::array<qint32, 4> quota;
};

void PrintTo(const QuotaRow &row, std::ostream *out)
{
    *out << row.groups[1] << '/' << row.groups[2] << '/' << row.groups[3] << " of " << row.records;
}

class WorkedExample : public ::testing::TestWithParam<QuotaRow>
{
};

TEST_P(WorkedExample, GivesTheTabledPercentagesAndQuotas)
{
    const QuotaRow &row = GetParam();
    const GroupQuotas result = computeGroupQuotas(row.records, row.groups, 30);
    EXPECT_EQ(result.questionCount, row.questionCount);
    for (int g = 1; g <= 3; ++g) {
        EXPECT_EQ(result.percent[g], row.percent[g]) << "group " << g;
        EXPECT_EQ(result.quota[g], row.quota[g]) << "group " << g;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExample,
    ::testing::Values(QuotaRow{{0, 50, 40, 30}, 120, 30, {0, 42, 33, 25}, {0, 12, 10, 8}},
                      QuotaRow{{0, 40, 35, 25}, 100, 30, {0, 40, 35, 25}, {0, 12, 10, 8}},
                      QuotaRow{{0, 100, 100, 100}, 300, 30, {0, 34, 33, 33}, {0, 10, 10, 10}},
                      QuotaRow{{0, 11, 12, 12}, 35, 30, {0, 32, 34, 34}, {0, 10, 10, 10}},
                      QuotaRow{{0, 10, 10, 10}, 30, 25, {0, 34, 33, 33}, {0, 9, 8, 8}},
                      QuotaRow{{0, 3, 3, 2}, 8, 3, {0, 37, 38, 25}, {0, 1, 1, 1}},
                      QuotaRow{{0, 10, 10, 10}, 40, 30, {0, 50, 25, 25}, {0, 14, 8, 8}},
                      QuotaRow{{0, 0, 4, 4}, 8, 3, {0, 0, 50, 50}, {0, -1, 2, 2}},
                      QuotaRow{{0, 0, 5, 5}, 10, 5, {0, 0, 50, 50}, {0, 1, 2, 2}},
                      QuotaRow{{0, 1, 15, 15}, 31, 26, {0, 4, 48, 48}, {0, 2, 12, 12}}));

// Exact halves in decimal are not exact in binary; extended precision decides them.
TEST(GroupPercent, NearTiesFollowExtendedPrecision)
{
    EXPECT_EQ(computeGroupQuotas(200, {0, 100, 59, 41}, 30).percent[2], 29);
    EXPECT_EQ(computeGroupQuotas(40, {0, 10, 23, 7}, 30).percent[2], 58);
    EXPECT_EQ(computeGroupQuotas(8, {0, 4, 1, 3}, 30).percent[2], 12);
}

using boost::multiprecision::cpp_int;

// Rounds value / 2^shift to an integer, a half to the even neighbour.
cpp_int shiftRoundedEven(const cpp_int &value, unsigned shift)
{
    if (shift == 0)
        return value;
    const cpp_int kept = value >> shift;
    const cpp_int rest = value - (kept << shift);
    const cpp_int half = cpp_int(1) << (shift - 1);
    return rest > half || (rest == half && (kept & 1) != 0) ? kept + 1 : kept;
}

// The extended format's result worked out in exact integers: the value is m / 2^e with a
// significand m of 64 bits, rounded after the division and again after the product.
qint32 extendedPercentModel(qint32 part, qint32 whole)
{
    if (part == 0)
        return 0;
    int e = 64 + int(msb(cpp_int(whole))) - int(msb(cpp_int(part)));
    // Named operands: temporaries passed to divide_qr draw a false uninitialised-use warning.
    const cpp_int divisor(whole);
    cpp_int m;
    cpp_int remainder;
    const auto divide = [&] {
        cpp_int dividend(part);
        dividend <<= e;
        divide_qr(dividend, divisor, m, remainder);
    };
    divide();
    while (msb(m) >= 64) {
        // Too many bits: divide once more with one bit less.
        --e;
        divide();
    }
    if (2 * remainder > whole || (2 * remainder == whole && (m & 1) != 0))
        ++m;
    cpp_int product = m * 100;
    const unsigned excess = msb(product) >= 64 ? unsigned(msb(product)) - 63 : 0;
    product = shiftRoundedEven(product, excess);
    return qint32(shiftRoundedEven(product, unsigned(e) - excess));
}

qint32 doublePercent(qint32 part, qint32 whole)
{
    return qint32(std::nearbyint(double(part) / whole * 100.0));
}

// Every share of every bank up to 400 records, against the integer model; the cases where
// plain double arithmetic rounds otherwise show that the check can tell the formats apart.
TEST(GroupPercent, MatchesTheExtendedFormatExactly)
{
    QList<QPair<qint32, qint32>> differFromDouble;
    for (qint32 whole = 1; whole <= 400; ++whole)
        for (qint32 part = 0; part <= whole; ++part) {
            const qint32 expected = extendedPercentModel(part, whole);
            ASSERT_EQ(groupPercentOf(part, whole), expected) << part << " of " << whole;
            if (doublePercent(part, whole) != expected)
                differFromDouble.append({part, whole});
        }
    EXPECT_TRUE(differFromDouble.contains(QPair<qint32, qint32>(59, 200)));
    EXPECT_TRUE(differFromDouble.contains(QPair<qint32, qint32>(23, 40)));
    EXPECT_GT(differFromDouble.size(), 10);
    EXPECT_EQ(extendedPercentModel(59, 200), 29);
    EXPECT_EQ(extendedPercentModel(23, 40), 58);
    EXPECT_EQ(extendedPercentModel(1, 8), 12);
}

TEST(GroupPercent, EmptyBankGivesZerosWithoutDividing)
{
    const GroupQuotas result = computeGroupQuotas(0, {0, 0, 0, 0}, 30);
    EXPECT_EQ(result.questionCount, -5);
    for (int g = 1; g <= 3; ++g) {
        EXPECT_EQ(result.percent[g], 0);
        EXPECT_EQ(result.quota[g], 0);
    }
}

}
