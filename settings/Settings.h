// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class ProfileFile;

// The values of Test.ini that the program and the configuration dialog work with.
struct TestSettings
{
    qint32 testMinutes = 0;
    qint32 printerLeftMargin = 0;
    qint32 fontSizeIndex = 0;
    bool operator==(const TestSettings &) const = default;
};

// Reading and writing them through the settings table.
namespace Settings {

// A test length in minutes that a time of day can hold; anything else gives the default.
qint32 usableTestMinutes(qint32 storedMinutes);

// The values of the file; a test length a time of day cannot hold gives the default.
TestSettings read(const ProfileFile &file);

// Stores the three values, the folder made first; a refused write raises AppError.
void write(ProfileFile &file, const TestSettings &values);

// The text size that follows a size index: 0 gives 8, 1 gives 10, 2 gives 12; any other index
// keeps the current size.
qint32 textFontSizeFor(qint32 fontSizeIndex, qint32 currentSize);

// The point size the text boxes show: the text size, or 10 while it holds no size.
int shownPointSize(qint32 textFontSize);

// Test.ini's folder may be the user's data folder, made only when the first setting is
// stored; a folder that cannot be made lets the write itself report the failure.
void prepareWrite(const ProfileFile &file);

}
