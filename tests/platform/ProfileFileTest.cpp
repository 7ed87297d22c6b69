// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/AppError.h"
#include "platform/core/ProfileFile.h"
#include "settings/EnforcedPermissions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

class ProfileFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Test.ini")); }

    void writeFile(const QByteArray &contents)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    QByteArray fileContents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Lines of the file that hold the key, in whatever letter case.
    int linesWithKey(const QByteArray &key) const
    {
        int count = 0;
        for (const QByteArray &line : fileContents().split('\n'))
            count += line.trimmed().toLower().startsWith(key.toLower() + '=');
        return count;
    }

    QTemporaryDir m_dir;
};

TEST_F(ProfileFileTest, MissingFileReadsDefaultsAndEveryReadSeesTheFileAsItIsNow)
{
    ProfileFile profile(path());
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 30);
    EXPECT_EQ(profile.readString("Tisk", "wht", "48"), "48");
    EXPECT_FALSE(QFile::exists(path()));
    writeFile("[Test]\nDobaTestu=45\n[Tisk]\nwht=\n");
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 45);
    EXPECT_EQ(profile.readString("Tisk", "wht", "48"), QString()) << "an empty value is no missing key";
}

TEST_F(ProfileFileTest, NamesMatchInAnyLetterCase)
{
    writeFile("[tisk]\nlokrtisk=7\n[TEST]\nDOBATESTU=20\n");
    ProfileFile profile(path());
    EXPECT_EQ(profile.readInteger("Tisk", "LokrTisk", 10), 7);
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 20);
    EXPECT_EQ(profile.readInteger("Tisk", "DobaTestu", 30), 30) << "a key of another section";
}

TEST_F(ProfileFileTest, IntegersThatAreNotDecimalReadAsDefault)
{
    for (const QByteArray value : {"", "abc", "12abc", "0x1F", "1.5", "99999999999", "1 2"}) {
        writeFile("[Test]\nDobaTestu=" + value + "\n");
        EXPECT_EQ(ProfileFile(path()).readInteger("Test", "DobaTestu", 30), 30) << value.constData();
    }
    writeFile("[Test]\nDobaTestu=-5\nIVelPisOt = 2 \n");
    EXPECT_EQ(ProfileFile(path()).readInteger("Test", "DobaTestu", 30), -5);
    EXPECT_EQ(ProfileFile(path()).readInteger("Test", "IVelPisOt", 1), 2);
}


TEST_F(ProfileFileTest, FirstWriteCreatesTheFileAsKeyEqualsValue)
{
    ProfileFile profile(path());
    profile.writeInteger("Test", "DobaTestu", 25);
    EXPECT_TRUE(fileContents().contains("[Test]"));
    EXPECT_TRUE(fileContents().contains("DobaTestu=25\n"));
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 25);
}

TEST_F(ProfileFileTest, WriteToKeyInAnotherCaseReplacesIt)
{
    writeFile("[tisk]\nlokrtisk=7\n");
    ProfileFile profile(path());
    profile.writeInteger("Tisk", "LOkrTisk", 12);
    EXPECT_EQ(linesWithKey("lokrtisk"), 1) << fileContents().constData();
    EXPECT_EQ(profile.readInteger("Tisk", "LokrTisk", 10), 12);
    EXPECT_FALSE(fileContents().contains("[Tisk]")) << "no second section either";
}

TEST_F(ProfileFileTest, WriteKeepsOtherSectionsKeysAndComments)
{
    writeFile("; settings of the test\n[Test]\nDobaTestu=20\n; the font\nIVelPisOt=2\n"
              "[Jiné]\nklíč=hodnota\n\n; closing remark\n");
    ProfileFile profile(path());
    profile.writeInteger("Test", "DobaTestu", 40);
    profile.writeString("Tisk", "wht", "4950");
    const QByteArray contents = fileContents();
    for (const char *kept : {"; settings of the test", "; the font", "; closing remark", "IVelPisOt=2"})
        EXPECT_TRUE(contents.contains(kept)) << kept << "\n" << contents.constData();
    EXPECT_EQ(profile.readString("Jiné", "klíč", QString()), QStringLiteral("hodnota"));
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 40);
    EXPECT_EQ(profile.readString("Tisk", "wht", "48"), "4950");
}

TEST_F(ProfileFileTest, CommentsOfAFileWithoutEntriesAreKept)
{
    writeFile("; first\n\n; second");
    ProfileFile(path()).writeInteger("Test", "DobaTestu", 5);
    const QByteArray contents = fileContents();
    EXPECT_TRUE(contents.contains("; first"));
    EXPECT_TRUE(contents.contains("; second\n"));
    EXPECT_EQ(ProfileFile(path()).readInteger("Test", "DobaTestu", 30), 5);
}

TEST_F(ProfileFileTest, DamagedFileReadsDefaultsWithoutCrashing)
{
    const char damaged[] = "\xff\xfe[Te\0st]\n=\n[[[\nDobaTestu\n\x01\x02=\x03";
    writeFile(QByteArray(damaged, sizeof damaged - 1));
    ProfileFile profile(path());
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 30);
    EXPECT_NO_THROW(profile.writeInteger("Test", "DobaTestu", 15));
    EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 15);
}

// Found by fuzzing: a NUL byte in a comment hid every line after it, so a write that went
// through could never be read back.
TEST_F(ProfileFileTest, WriteThatAReadCouldNotSeeIsRefusedAndLeavesTheFile)
{
    const char damaged[] = "; \x13\0\0\0\0\0\0\0\0nt=btstek";
    const QByteArray before(damaged, sizeof damaged - 1);
    writeFile(before);
    ProfileFile profile(path());
    EXPECT_THROW(profile.writeInteger("Tisk", "LOkrTisk", 12), AppError);
    EXPECT_EQ(fileContents(), before);
    EXPECT_EQ(profile.readInteger("Tisk", "LokrTisk", 10), 10);
}

class ProfileFileRefusedTest : public ProfileFileTest
{
protected:
    void SetUp() override
    {
        writeFile("[Test]\nDobaTestu=20\n");
        m_before = fileContents();
    }
    void TearDown() override
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }

    // The message names the file and gives the system's reason in Czech.
    void expectRefusedAndUntouched(const QString &reason, qint32 value = 45)
    {
        {
            EnforcedPermissions enforced;
            ProfileFile profile(path());
            try {
                profile.writeInteger("Test", "DobaTestu", value);
                ADD_FAILURE() << "the write was not refused";
            } catch (const AppError &error) {
                EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(path())))
                    << error.message().toStdString();
                EXPECT_TRUE(error.message().contains(reason)) << error.message().toStdString();
            }
        }
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(fileContents(), m_before);
        const QStringList leftovers = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(leftovers, QStringList{QStringLiteral("Test.ini")}) << "no temporary file left";
    }

    QByteArray m_before;
};

TEST_F(ProfileFileRefusedTest, ReadOnlyDirectoryAndFile)
{
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(path(), QFile::ReadOwner);
    expectRefusedAndUntouched(QStringLiteral("chybí oprávnění"));
}

// A writable file in a folder that takes no temporary file is written over in place.
TEST_F(ProfileFileRefusedTest, WritableFileInAReadOnlyDirectoryIsWrittenInPlace)
{
    const QByteArray before = "; kept\n[Test]\nDobaTestu=20\nIVelPisOt=12\n";
    const auto writeBoth = [](ProfileFile &profile) {
        profile.writeInteger("Test", "DobaTestu", 5);
        profile.writeString("Tisk", "wht", "123456");
    };
    // The same writes where the folder takes a temporary file, for comparison.
    QTemporaryDir writableDir;
    const QString writablePath = writableDir.filePath(QStringLiteral("Test.ini"));
    {
        QFile file(writablePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    ProfileFile replaced(writablePath);
    writeBoth(replaced);
    QFile replacedFile(writablePath);
    ASSERT_TRUE(replacedFile.open(QIODevice::ReadOnly));

    writeFile(before);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    {
        EnforcedPermissions enforced;
        ProfileFile profile(path());
        writeBoth(profile);
        EXPECT_EQ(profile.readInteger("Test", "DobaTestu", 30), 5);
        EXPECT_EQ(profile.readString("Tisk", "wht", ""), "123456");
    }
    EXPECT_EQ(fileContents(), replacedFile.readAll()) << "no old bytes are left behind";
    EXPECT_TRUE(fileContents().contains("; kept"));
}

// The file may not grow past its size: the in-place write fails half-way and is undone.
TEST_F(ProfileFileRefusedTest, FailedInPlaceWriteLeavesTheFileAsItWas)
{
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const sighandler_t previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = rlim_t(m_before.size());
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    expectRefusedAndUntouched(QStringLiteral("soubor je příliš velký"), 123456);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
}

TEST_F(ProfileFileRefusedTest, ReadOnlyFile)
{
    QFile::setPermissions(path(), QFile::ReadOwner);
    expectRefusedAndUntouched(QStringLiteral("chybí oprávnění"));
}

TEST_F(ProfileFileRefusedTest, ValueWithALineBreak)
{
    EXPECT_THROW(ProfileFile(path()).writeString("Tisk", "wht", "48\n[Test]\nDobaTestu=99"), AppError);
    EXPECT_THROW(ProfileFile(path()).writeString("Tisk", "wht", "48\rx=1"), AppError);
    EXPECT_EQ(fileContents(), m_before);
}

TEST_F(ProfileFileRefusedTest, FileThatIsADirectory)
{
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Test.ini")));
    EXPECT_EQ(ProfileFile(path()).readInteger("Test", "DobaTestu", 30), 30);
    try {
        ProfileFile(path()).writeInteger("Test", "DobaTestu", 45);
        ADD_FAILURE() << "the write was not refused";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("je to složka"))) << error.message().toStdString();
    }
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(ProfileFileRefusedTest, UnreadableFileIsNeverReplaced)
{
    QFile::setPermissions(path(), QFile::WriteOwner);
    {
        EnforcedPermissions enforced;
        EXPECT_EQ(ProfileFile(path()).readInteger("Test", "DobaTestu", 30), 30);
    }
    expectRefusedAndUntouched(QStringLiteral("chybí oprávnění"));
}

}
