// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indicators/GClass.h"

#include <QString>

class TCanvas;

struct TTextExtent
{
    int Width = 0;
    int Height = 0;
    int HalfWidth = 0;
    int HalfHeight = 0;
};

// Draws one of the lamp shapes into Rect (right and bottom exclusive), outlined and filled.
// Leaves the pen and brush as it set them.
void DrawLEDShape(TCanvas &can, const TRect &Rect, TLEDShape Shape, TColor Outline, TColor Fill);

TTextExtent MeasureText(const TCanvas &can, const QString &text);
int CountChar(QChar c, const QString &text);
// Returns the part of text before the first separator and leaves the rest after it in text;
// without a separator returns all of text and leaves it empty.
QString SplitAtChar(QString &text, QChar separator);

// Anchor = 3 × row + column: column 0/1/2 puts the point at the left/middle/right of the text,
// row 0/1/2 at its top/middle/bottom. Other anchors draw at (0, 0).
void DrawTextAnchored(TCanvas &can, int X, int Y, const QString &text, int anchor);
// Lines separated by "|", each anchored by itself, the block placed by the anchor's row.
void DrawMultiLineText(TCanvas &can, int X, int Y, int lineSpacing, const QString &text,
                       int anchor);
