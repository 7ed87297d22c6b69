// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProfileFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Settings, ValuesRoundTripAndAnUnusableLengthReadsAsTheDefault)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The user's folder is made by the first write.
    ProfileFile file(folder.filePath(QStringLiteral("nová/Test.ini")));
    EXPECT_EQ(Settings::read(file), (TestSettings{30, 10, 1}));

    struct Row
    {
        TestSettings written;
        TestSettings read;
    };
    const Row rows[] = {
        {{45, 12, 2}, {45, 12, 2}},
        {{0, -3, 0}, {0, -3, 0}},
        {{60, 2147483647, 7}, {30, 2147483647, 7}},
    };
    for (const Row &row : rows) {
        Settings::write(file, row.written);
        EXPECT_EQ(Settings::read(file), row.read) << row.written.testMinutes;
    }
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("nová/Test.ini"))));
}
