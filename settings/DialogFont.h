#pragma once

#include <QFont>

// The face of the two settings dialogs: Tahoma at 11 pixels, or a sans face with Czech glyphs
// where Tahoma is not installed.
QFont DialogFont();
