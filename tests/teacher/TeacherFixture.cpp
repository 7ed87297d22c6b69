// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherFixture.h"

#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

void TeacherFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("program"));
    ProgramLocation::setDirectoryForTests(programDir());
    QStandardPaths::setTestModeEnabled(true);
    // Each test its own window settings: ctest runs the tests of this program side by side.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
    Messages::setHandler([this](Messages::Kind, const QString &, const QString &text) { messages.append(text); });
    Prompts::setHandlers({
        [this](const QString &, const QString &) { return chosenFile; },
        [this](const QString &, const QString &, const QString &) { return chosenFile; },
        [this](const QString &) { return chosenFile; },
        [this](const QString &question) {
            unsavedQuestions.append(question);
            return unsavedAnswer;
        },
    });
}

void TeacherFixture::TearDown()
{
    Prompts::restoreDialogs();
    Messages::setHandler({});
    ProgramLocation::setDirectoryForTests(QString());
}

QString TeacherFixture::programDir() const
{
    return m_dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
}

QString TeacherFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    static int folders = 0;
    const QString folder = m_dir.filePath(QStringLiteral("input%1").arg(++folders));
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray TeacherFixture::csvBank(int count)
{
    QByteArray csv = "Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n";
    for (int i = 0; i < count; ++i)
        csv += QStringLiteral("%1,%2,Otázka %1,Odpověď A %1,Odpověď B %1,Odpověď C %1,Komentář %1,%3\n")
                   .arg(i)
                   .arg(i % 3 + 1)
                   .arg(i % 3)
                   .toUtf8();
    return csv;
}
