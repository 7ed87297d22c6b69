// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProfileFile.h"
#include "settings/SettingsTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const IntegerSetting *const IntegerSettings[] = {&SettingsTable::TestMinutes, &SettingsTable::PrinterLeftMargin,
                                                 &SettingsTable::FontSizeIndex};

}

TEST(SettingsTable, EachIntegerIsOneKeyWithAUsableDefault)
{
    for (const IntegerSetting *setting : IntegerSettings) {
        EXPECT_EQ(setting->readKey.compare(setting->writeKey, Qt::CaseInsensitive), 0)
            << setting->readKey.toStdString();
        EXPECT_TRUE(setting->accepts(setting->defaultValue)) << setting->readKey.toStdString();
    }
    EXPECT_TRUE(SettingsTable::TestMinutes.accepts(SettingsTable::TypedTestMinutesMaximum))
        << "a length the dialog lets through must survive the next start";
    EXPECT_FALSE(SettingsTable::TestMinutes.accepts(60));
    EXPECT_FALSE(SettingsTable::TestMinutes.accepts(-1));
    EXPECT_FALSE(SettingsTable::FontSizeIndex.accepts(3));
}

TEST(SettingsTable, WhatIsWrittenIsReadBackAndAMissingFileGivesTheDefaults)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ProfileFile file(folder.filePath(QStringLiteral("Test.ini")));
    EXPECT_EQ(SettingsTable::TestMinutes.read(file), 30);
    EXPECT_EQ(SettingsTable::PrinterLeftMargin.read(file), 10);
    EXPECT_EQ(SettingsTable::FontSizeIndex.read(file), 1);
    EXPECT_EQ(SettingsTable::KeyPassword.read(file), QStringLiteral("48"));

    SettingsTable::PrinterLeftMargin.write(file, 17);
    SettingsTable::KeyPassword.write(file, QStringLiteral("4950"));
    EXPECT_EQ(SettingsTable::PrinterLeftMargin.read(file), 17);
    EXPECT_EQ(SettingsTable::KeyPassword.read(file), QStringLiteral("4950"));
}
