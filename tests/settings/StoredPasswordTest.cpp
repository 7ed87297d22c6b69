// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/StoredPassword.h"

#include <gtest/gtest.h>

TEST(StoredPassword, IsTheDecimalCodeOfEachCharacterAndDecodesBack)
{
    EXPECT_EQ(encodePassword(QStringLiteral("0")), QStringLiteral("48"));
    EXPECT_EQ(encodePassword(QStringLiteral("531864297")), QStringLiteral("535149565452505755"));
    EXPECT_EQ(encodePassword(QString()), QString());
    EXPECT_EQ(decodePassword(QStringLiteral("535149565452505755")), QStringLiteral("531864297"));
    EXPECT_EQ(decodePassword(QString()), QString()) << "an empty stored form is the empty password";
}

TEST(StoredPassword, DamagedFormsDecodeToNothing)
{
    for (const char *stored : {"4", "4x", "485", "-1", "+9", "48 9", "４８"})
        EXPECT_FALSE(decodePassword(QString::fromUtf8(stored)).has_value()) << stored;
}
