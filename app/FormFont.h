#pragma once

#include <QFont>

// The form's typeface: Tahoma where installed, otherwise a sans font with Czech glyphs.
QString FormFontFamily();
// A form font of the given character height in pixels.
QFont FormFont(int pixelSize, bool bold = false);
