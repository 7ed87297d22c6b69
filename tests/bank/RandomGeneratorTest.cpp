// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/RandomGenerator.h"

#include <gtest/gtest.h>

namespace {

// Worked by hand from the generator's definition: state 0 becomes 1, then 134775814.
TEST(RandomGenerator, StepsTheStateAndScalesItsUpperBits)
{
    RandSeed = 0;
    EXPECT_EQ(randomBelow(100), 0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(randomBelow(100), 3); // 134775814 * 100 / 2^32 = 3.14
    EXPECT_EQ(RandSeed, 134775814u);
}

TEST(RandomGenerator, StaysBelowTheBoundAndGivesZeroForNone)
{
    RandSeed = 0xFFFFFFFFu;
    for (int i = 0; i < 1000; ++i) {
        const qint32 value = randomBelow(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
    }
    EXPECT_EQ(randomBelow(0), 0);
    EXPECT_EQ(randomBelow(1), 0);
}

}
