// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/DateTime.h"

#include <gtest/gtest.h>

TEST(TimeToSeconds, CountsOnlyTheTimeOfDay)
{
    EXPECT_EQ(TimeToSeconds(30.0 / 1440), 1800);
    EXPECT_EQ(TimeToSeconds(2 + 30.0 / 1440), 1800);
    EXPECT_EQ(TimeToSeconds(-30.0 / 1440), 1800);
    EXPECT_EQ(TimeToSeconds(DateTime::encodeTime(23, 59, 59, 999)), 86399);
    EXPECT_EQ(TimeToSeconds(1.0), 0);
    EXPECT_EQ(TimeToSeconds(0.4999 / 86400000), 0);
}
