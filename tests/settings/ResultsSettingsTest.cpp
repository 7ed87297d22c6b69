// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProfileFile.h"
#include "platform/core/ProgramLocation.h"
#include "settings/ResultsSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeIni(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

TEST(ResultsSettings, KeysReadWithTheirDefaultsAndWriteBesideTheOthers)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("nová/Test.ini"));
    EXPECT_EQ(ResultsSettingsFile::read(ini), (ResultsSettings{true, QString(), false}));

    QDir().mkpath(folder.filePath(QStringLiteral("nová")));
    writeIni(ini, "[Test]\nDobaTestu=20\n[VYSLEDKY]\nukladat=0\nJMENO=5\nSlozka=x\n");
    EXPECT_EQ(ResultsSettingsFile::read(ini), (ResultsSettings{false, QStringLiteral("x"), true}));

    ResultsSettingsFile::write(ini, {true, QStringLiteral("/mnt/třída"), false});
    EXPECT_EQ(ResultsSettingsFile::read(ini), (ResultsSettings{true, QStringLiteral("/mnt/třída"), false}));
    EXPECT_EQ(ProfileFile(ini).readInteger(QStringLiteral("Test"), QStringLiteral("DobaTestu"), 0), 20);

    const QString fresh = folder.filePath(QStringLiteral("jinde/Test.ini"));
    ResultsSettingsFile::write(fresh, {false, QString(), true});
    EXPECT_EQ(ResultsSettingsFile::read(fresh), (ResultsSettings{false, QString(), true}));
}

TEST(ResultsSettings, FolderIsRelativeToTestIniAndDefaultsBesideTheProgram)
{
    QTemporaryDir program;
    const QString programDir = program.path() + u'/';
    const QString ini = QStringLiteral("/etc/skola/Test.ini");
    const struct
    {
        QString configured;
        QString folder;
    } cases[] = {
        {QString(), programDir + QStringLiteral("vysledky/")},
        {QStringLiteral("  "), programDir + QStringLiteral("vysledky/")},
        {QStringLiteral("/mnt/trida/"), QStringLiteral("/mnt/trida/")},
        {QStringLiteral("/mnt/trida/../ucebna"), QStringLiteral("/mnt/ucebna/")},
        {QStringLiteral("vysledky/8.A"), QStringLiteral("/etc/skola/vysledky/8.A/")},
        {QStringLiteral("../sdilene"), QStringLiteral("/etc/sdilene/")},
    };
    for (const auto &[configured, folder] : cases) {
        const ResultsSettings values{true, configured, false};
        EXPECT_EQ(ResultsSettingsFile::resultsFolder(values, ini, programDir), folder) << configured.toStdString();
        EXPECT_FALSE(ResultsSettingsFile::isPrivateFolder(values, programDir)) << "the program's folder is writable";
    }

    // A program folder the user may not write sends the default to the user's own data folder.
    const QString installed = program.filePath(QStringLiteral("chybi/"));
    EXPECT_EQ(ResultsSettingsFile::resultsFolder({}, ini, installed),
              ProgramLocation::userDataDirectory() + QStringLiteral("vysledky/"));
    EXPECT_TRUE(ResultsSettingsFile::isPrivateFolder({}, installed));
    EXPECT_FALSE(ResultsSettingsFile::isPrivateFolder({true, QStringLiteral("/mnt/trida"), false}, installed));
}

}
