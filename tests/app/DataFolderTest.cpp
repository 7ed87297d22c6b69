// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/EnforcedPermissions.h"
#include "ModalDriver.h"
#include "SettingsTestFixture.h"

#include "app/Unit2.h"
#include "platform/core/ProfileFile.h"
#include "settings/Konfigurace.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program installed where the user may not write: a read-only program folder seen without
// root's rights, and a home of the test's own as the user's data folder.
class DataFolderTest : public SettingsTestFixture
{
protected:
    void SetUp() override
    {
        SettingsTestFixture::SetUp();
        ASSERT_TRUE(m_home.isValid());
        m_savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    }

    void TearDown() override
    {
        QFile::setPermissions(programDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SettingsTestFixture::TearDown();
        if (m_savedDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_savedDataHome);
    }

    QString userFolder() const { return m_home.path() + QStringLiteral("/test-znalosti/"); }

    // Start-up in the locked folder, holding the bundled bank of `groupOne` records in group 1.
    void startInstalled(int groupOne, const QByteArray &ini = {})
    {
        writeBank(programDir() + QStringLiteral("test.db"), makeBankRecords(groupOne, 20, 20));
        if (!ini.isEmpty())
            writeProgramFile(QStringLiteral("Test.ini"), ini);
        ASSERT_TRUE(QFile::setPermissions(programDir(), QFile::ReadOwner | QFile::ExeOwner));
        EnforcedPermissions enforced;
        CreateWindow({});
    }

    void storeMinutes(const QString &minutes)
    {
        whenShown(FrmKonfig, [&] {
            FrmKonfig->Edit1->setText(minutes);
            EnforcedPermissions enforced;
            QTest::mouseClick(FrmKonfig->BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(window->BBKtest, Qt::LeftButton);
    }

    void lockHome() { ASSERT_TRUE(QFile::setPermissions(m_home.path(), QFile::ReadOwner | QFile::ExeOwner)); }

    QTemporaryDir m_home;
    QByteArray m_savedDataHome;
};

TEST_F(DataFolderTest, SettingsGoToTheUserFolderCreatedOnlyByTheFirstWrite)
{
    startInstalled(20, "[Test]\nDobaTestu=45\n");
    EXPECT_EQ(TestMinutes, 30) << "the program folder's Test.ini is not this user's";
    EXPECT_FALSE(QFileInfo::exists(userFolder())) << "nothing is created at start-up";

    storeMinutes(QStringLiteral("12"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_EQ(ProfileFile(userFolder() + "Test.ini").readInteger("Test", "DobaTestu", -1), 12);
    EXPECT_EQ(ProfileFile(programDir() + "Test.ini").readInteger("Test", "DobaTestu", -1), 45);
}

TEST_F(DataFolderTest, TheUsersOwnBankServesBeforeTheBundledOne)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    writeBank(userFolder() + "test.db", makeBankRecords(30, 20, 20));
    startInstalled(10);
    EXPECT_EQ(BankPath, userFolder() + "test.db");
    EXPECT_EQ(GroupCount[1], 30);
}

TEST_F(DataFolderTest, ADamagedBankOfTheUsersGetsTheEnginesMessage)
{
    ASSERT_TRUE(QDir().mkpath(userFolder()));
    QFile damaged(userFolder() + "test.db");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(3000, 'x'));
    damaged.close();
    startInstalled(10);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains("není čitelná tabulka Paradox")) << messages.front().toStdString();
    EXPECT_TRUE(messages.front().contains(QDir::toNativeSeparators(userFolder() + "test.db")))
        << messages.front().toStdString();
    EXPECT_EQ(BankRecordCount, 0);
}

TEST_F(DataFolderTest, TheBundledBankServesAUserWithoutOne)
{
    startInstalled(10);
    EXPECT_EQ(BankPath, programDir() + "test.db");
    EXPECT_EQ(GroupCount[1], 10);
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
}

TEST_F(DataFolderTest, MissingBankNamesWhereTheUserShouldPutOne)
{
    ASSERT_TRUE(QFile::setPermissions(programDir(), QFile::ReadOwner | QFile::ExeOwner));
    {
        EnforcedPermissions enforced;
        CreateWindow({});
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "Nenalezen soubor otázek " + userFolder() + "test.db");
}

TEST_F(DataFolderTest, AUserFolderThatCannotBeMadeGivesTheWriteErrorAndKeepsTheValues)
{
    startInstalled(20);
    lockHome();
    storeMinutes(QStringLiteral("12"));
    QFile::setPermissions(m_home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QDir::toNativeSeparators(userFolder() + "Test.ini")))
        << messages.front().toStdString();
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
    EXPECT_FALSE(QFileInfo::exists(programDir() + "Test.ini"));
}

TEST_F(DataFolderTest, AProgramFolderTheUserMayWriteKeepsEverything)
{
    CreateWindowWithSettings("[Test]\nDobaTestu=45\n");
    EXPECT_EQ(TestMinutes, 45);
    EXPECT_EQ(BankPath, programDir() + "test.db");
    storeMinutes(QStringLiteral("12"));
    EXPECT_EQ(settingsValues("DobaTestu"), QStringList{"12"});
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
}

}
