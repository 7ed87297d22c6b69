#include "bank/GroupQuotas.h"

#include <gtest/gtest.h>

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
    const GroupQuotas result = ComputeGroupQuotas(row.records, row.groups, 30);
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
    EXPECT_EQ(ComputeGroupQuotas(200, {0, 100, 59, 41}, 30).percent[2], 29);
    EXPECT_EQ(ComputeGroupQuotas(40, {0, 10, 23, 7}, 30).percent[2], 58);
    EXPECT_EQ(ComputeGroupQuotas(8, {0, 4, 1, 3}, 30).percent[2], 12);
}

TEST(GroupPercent, EmptyBankGivesZerosWithoutDividing)
{
    const GroupQuotas result = ComputeGroupQuotas(0, {0, 0, 0, 0}, 30);
    EXPECT_EQ(result.questionCount, -5);
    for (int g = 1; g <= 3; ++g) {
        EXPECT_EQ(result.percent[g], 0);
        EXPECT_EQ(result.quota[g], 0);
    }
}

}
