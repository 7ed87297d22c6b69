#pragma once

#include <QFont>
#include <QStringList>

// The form's typeface: Tahoma where installed, otherwise a sans face with Czech glyphs about as
// narrow, so the form's texts fit the places they were laid out for.
QStringList FormFontFamilies();
// A form font of the given character height in pixels.
QFont FormFont(int pixelSize, bool bold = false);
