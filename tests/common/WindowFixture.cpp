// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "platform/Beep.h"
#include "platform/core/Clock.h"
#include "platform/core/Computer.h"
#include "platform/Messages.h"
#include "paradox/Table.h"
#include "platform/core/ProfileFile.h"
#include "platform/core/ProgramLocation.h"
#include "platform/UrlOpener.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QFile>

namespace {

// The values the program-wide state has when the process starts.
void resetProgramState()
{
    QuestionCount = 0;
    SelectedNumbers.fill(0);
    SelectedGroups.fill(0);
    TestQuestions.fill(Totazka());
    TestCode.clear();
    BankRecordCount = 0;
    GroupCount.fill(0);
    GroupPercent.fill(0);
    GroupQuota.fill(0);
    GroupDrawn.fill(0);
    DrawnGroup = 0;
    CurrentQuestion = 0;
    TestPhase = 0;
    AllAnswered = false;
    TestMinutes = 0;
    TestDuration = 0;
    TestStart = 0;
    TestEnd = 0;
    RemainingTime = 0;
    ProgramDir.clear();
    BankPath.clear();
    TestBank = results::BankFacts();
    SettingsFile.reset();
    PrinterLeftMargin = 0;
    FontSizeIndex = 0;
    TextFontSize = 0;
    PrintLineLength = 0;
    CorrectColor = 0;
    WrongColor = 0;
    AnswerColor = 0;
    UnansweredColor = 0;
    CorrectCount = 0;
    WrongCount = 0;
    UnansweredCount = 0;
    SuccessPercent = 0;
    KeyPrintRequest = false;
    KeyPasswordExpected.clear();
    KeyPasswordEntered.clear();
    RandSeed = 0;
}

}

void WindowFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    resetProgramState();
    ProgramLocation::setDirectoryForTests(m_dir.path());
    Messages::setHandler([this](Messages::Kind, const QString &, const QString &text) {
        messages.append(text);
    });
    Beep::setHandler([this] { ++beeps; });
    UrlOpener::setHandler([this](const QUrl &url) {
        openedUrls.append(url);
        return urlOpens;
    });
    Clock::setNowForTests([this] { return now; });
    Computer::setNamesForTests(QStringLiteral("pc-test"), QStringLiteral("zak"));
}

void WindowFixture::TearDown()
{
    // The dialogs are children of the window and go with it.
    window.reset();
    FrmKonfig = nullptr;
    FrmHesloT = nullptr;
    Messages::setHandler(nullptr);
    Beep::setHandler(nullptr);
    UrlOpener::setHandler(nullptr);
    Clock::setNowForTests(nullptr);
    Computer::setNamesForTests(QString(), QString());
    ProgramLocation::setDirectoryForTests(QString());
    resetProgramState();
}

TForm2 *WindowFixture::CreateWindow(const QList<BankRecord> &bank, const QByteArray &ini)
{
    CreateWindowWithoutDialogs(bank, ini);
    FrmKonfig = new TFrmKonfig(window.get());
    FrmHesloT = new TFrmHesloT(window.get());
    return window.get();
}

TForm2 *WindowFixture::CreateWindowWithoutDialogs(const QList<BankRecord> &bank, const QByteArray &ini)
{
    if (!bank.isEmpty())
        writeBank(programDir() + QStringLiteral("test.db"), bank);
    if (!ini.isEmpty())
        writeProgramFile(QStringLiteral("Test.ini"), ini);
    window = std::make_unique<TForm2>();
    return window.get();
}

QString WindowFixture::programDir() const
{
    return m_dir.path() + QLatin1Char('/');
}

void WindowFixture::writeProgramFile(const QString &name, const QByteArray &contents) const
{
    QFile file(programDir() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
}
