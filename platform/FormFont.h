// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

// The form's typeface: Tahoma where installed, otherwise a sans face with Czech glyphs about as
// narrow, so the form's texts fit the places they were laid out for.
QStringList formFontPreferredFamilies();
// The preferred families that are installed, in order; all of them when none is, so the font
// service still picks its nearest match.
QStringList installedFamilies(const QStringList &preferred, const QStringList &installed);
// The preferred families narrowed to the installed ones, looked up once.
QStringList formFontFamilies();
// A form font of the given character height in pixels.
QFont formFont(int pixelSize, bool bold = false);
