// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The settings of the program-wide state as Test.ini holds them, shared by the start-up
// settings step and the configuration dialog.
namespace Settings {

// A test length in minutes that a time of day can hold; anything else gives the default.
qint32 usableTestMinutes(qint32 storedMinutes);

// TextFontSize follows FontSizeIndex: 0 gives 8, 1 gives 10, 2 gives 12; any other index
// leaves it as it was.
void followFontSizeIndex();

// The point size the text boxes show: TextFontSize, or 10 while it holds no size.
int shownPointSize();

// Test.ini's folder may be the user's data folder, made only when the first setting is
// stored; a folder that cannot be made lets the write itself report the failure.
void prepareWrite();

}
