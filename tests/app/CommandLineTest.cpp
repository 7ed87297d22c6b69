// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct Started
{
    int exitCode = -1;
    QString out;
};

// The real program, where no display could be opened.
Started startProgram(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TZ_BINARY_DIR "/Test"), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

TEST(CommandLineTest, HelpAndVersionAnswerWithoutADisplay)
{
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Started help = startProgram({option});
        EXPECT_EQ(help.exitCode, 0) << qPrintable(option);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Použití: test-znalosti"))) << qPrintable(help.out);
        EXPECT_TRUE(help.out.contains(QStringLiteral("test-znalosti-banka build"))) << qPrintable(help.out);
    }
    const Started version = startProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Test znalostí \\d+\\.\\d+\\.\\d+\n$")).match(version.out).hasMatch())
        << qPrintable(version.out);
}

TEST(CommandLineTest, HelpStatesThePasswordBeforeAnyChange)
{
    const QString help = answerCommandLine({QStringLiteral("Test"), QStringLiteral("--help")}).value_or(QString());
    EXPECT_TRUE(help.simplified().contains(QStringLiteral("Heslo pro tisk klíče je, dokud ho nikdo nezmění, 0")))
        << qPrintable(help);
}

TEST(CommandLineTest, AnythingElseStartsTheProgram)
{
    EXPECT_FALSE(answerCommandLine({QStringLiteral("Test")}));
    EXPECT_FALSE(answerCommandLine({QStringLiteral("Test"), QStringLiteral("-platform"), QStringLiteral("xcb")}));
    EXPECT_FALSE(answerCommandLine({QStringLiteral("Test"), QStringLiteral("--helper")}));
}

}
