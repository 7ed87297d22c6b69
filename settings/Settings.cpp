// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include "platform/core/ProfileFile.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFileInfo>

namespace Settings {

qint32 usableTestMinutes(qint32 storedMinutes)
{
    const IntegerSetting &setting = SettingsTable::TestMinutes;
    return setting.accepts(storedMinutes) ? storedMinutes : setting.defaultValue;
}

TestSettings read(const ProfileFile &file)
{
    return {usableTestMinutes(SettingsTable::TestMinutes.read(file)), SettingsTable::PrinterLeftMargin.read(file),
            SettingsTable::FontSizeIndex.read(file)};
}

void write(ProfileFile &file, const TestSettings &values)
{
    prepareWrite(file);
    SettingsTable::TestMinutes.write(file, values.testMinutes);
    SettingsTable::PrinterLeftMargin.write(file, values.printerLeftMargin);
    SettingsTable::FontSizeIndex.write(file, values.fontSizeIndex);
}

qint32 textFontSizeFor(qint32 fontSizeIndex, qint32 currentSize)
{
    static constexpr qint32 PointSizes[] = {8, 10, 12};
    return SettingsTable::FontSizeIndex.accepts(fontSizeIndex) ? PointSizes[fontSizeIndex] : currentSize;
}

int shownPointSize(qint32 textFontSize)
{
    return textFontSize > 0 ? textFontSize : 10;
}

void prepareWrite(const ProfileFile &file)
{
    QDir().mkpath(QFileInfo(file.path()).absolutePath());
}

}
