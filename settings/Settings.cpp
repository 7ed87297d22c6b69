// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include "app/Dialogs.h"
#include "app/Unit2.h"
#include "platform/DateTime.h"
#include "platform/ProfileFile.h"
#include "platform/core/ProgramLocation.h"
#include "print/Printout.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace {
// Stands for the expected password until a confirmation replaces it with the stored one.
const QString KeyPasswordSentinel = QStringLiteral("531864297");
}

namespace Settings {

qint32 usableTestMinutes(qint32 storedMinutes)
{
    const IntegerSetting &setting = SettingsTable::TestMinutes;
    return setting.accepts(storedMinutes) ? storedMinutes : setting.defaultValue;
}

void followFontSizeIndex()
{
    static constexpr qint32 PointSizes[] = {8, 10, 12};
    if (SettingsTable::FontSizeIndex.accepts(FontSizeIndex))
        TextFontSize = PointSizes[FontSizeIndex];
}

int shownPointSize()
{
    return TextFontSize > 0 ? TextFontSize : 10;
}

void prepareWrite()
{
    if (SettingsFile)
        QDir().mkpath(QFileInfo(SettingsFile->path()).absolutePath());
}

}

void TForm2::ReadSettings()
{
    SettingsFile = std::make_unique<ProfileFile>(ProgramLocation::dataDirectory(ProgramDir) + QStringLiteral("Test.ini"));
    TestMinutes = Settings::usableTestMinutes(SettingsTable::TestMinutes.read(*SettingsFile));
    TestDuration = DateTime::encodeTime(0, TestMinutes, 0, 0);
    PrinterLeftMargin = SettingsTable::PrinterLeftMargin.read(*SettingsFile);
    FontSizeIndex = SettingsTable::FontSizeIndex.read(*SettingsFile);
    Settings::followFontSizeIndex();
    ApplyTextFontSize();
}

void TForm2::ApplyTextFontSize()
{
    for (QPlainTextEdit *memo : {Memo1, Memo2, Memo3, Memo4, Memo5}) {
        QFont font = memo->font();
        font.setPointSize(Settings::shownPointSize());
        memo->setFont(font);
    }
}

void TForm2::BBKtestClick()
{
    ensureDialogs(this);
    FrmKonfig->exec();
}

void TForm2::BtnTiskKlicClick()
{
    KeyPrintRequest = true;
    KeyPasswordExpected = KeyPasswordSentinel;
    ensureDialogs(this);
    FrmHesloT->exec();
    // Only a confirmation of this opening counts; an entry kept from an earlier one must not
    // print the key, whatever it was.
    if (FrmHesloT->confirmedInThisOpening() && KeyPasswordEntered == KeyPasswordExpected)
        PrintKey();
}
