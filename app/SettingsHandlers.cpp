// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/Dialogs.h"
#include "platform/core/DateTime.h"
#include "platform/core/ProfileFile.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"
#include "settings/ResultsSettings.h"
#include "settings/Settings.h"

#include <QPlainTextEdit>

namespace {
// Stands for the expected password until a confirmation replaces it with the stored one.
const QString KeyPasswordSentinel = QStringLiteral("531864297");
}

void TForm2::ReadSettings()
{
    SettingsFile = std::make_unique<ProfileFile>(ResultsSettingsFile::iniPath(ProgramDir));
    const TestSettings stored = Settings::read(*SettingsFile);
    TestMinutes = stored.testMinutes;
    TestDuration = DateTime::encodeTime(0, TestMinutes, 0, 0);
    PrinterLeftMargin = stored.printerLeftMargin;
    FontSizeIndex = stored.fontSizeIndex;
    TextFontSize = Settings::textFontSizeFor(FontSizeIndex, TextFontSize);
    ApplyTextFontSize();
}

void TForm2::ApplyTextFontSize()
{
    for (QPlainTextEdit *memo : memos()) {
        QFont font = memo->font();
        font.setPointSize(Settings::shownPointSize(TextFontSize));
        memo->setFont(font);
    }
}

void TForm2::BBKtestClick()
{
    ensureDialogs(this);
    FrmKonfig->setValues({TestMinutes, PrinterLeftMargin, FontSizeIndex}, SettingsFile.get());
    FrmKonfig->setPasswordChange([this] { openPasswordDialog(false); });
    FrmKonfig->exec();
    const std::optional<TestSettings> confirmed = FrmKonfig->confirmedValues();
    if (!confirmed)
        return;
    TestMinutes = confirmed->testMinutes;
    PrinterLeftMargin = confirmed->printerLeftMargin;
    TestDuration = DateTime::encodeTime(0, TestMinutes, 0, 0);
    showTestDuration();
    FontSizeIndex = confirmed->fontSizeIndex;
    TextFontSize = Settings::textFontSizeFor(FontSizeIndex, TextFontSize);
    ApplyTextFontSize();
}

void TForm2::openPasswordDialog(bool keyPrint)
{
    KeyPrintRequest = keyPrint;
    FrmHesloT->setRequest(KeyPrintRequest, SettingsFile.get());
    FrmHesloT->exec();
    if (const std::optional<PasswordCheck> &check = FrmHesloT->lastCheck()) {
        KeyPasswordEntered = check->entered;
        KeyPasswordExpected = check->expected;
    }
}

void TForm2::BtnTiskKlicClick()
{
    KeyPasswordExpected = KeyPasswordSentinel;
    ensureDialogs(this);
    openPasswordDialog(true);
    // Only a confirmation of this opening counts; an entry kept from an earlier one must not
    // print the key, whatever it was.
    if (FrmHesloT->confirmedInThisOpening() && KeyPasswordEntered == KeyPasswordExpected)
        printKey();
}
