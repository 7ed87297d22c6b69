// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbProc.h"

#include "platform/Canvas.h"

void DrawLEDShape(TCanvas &can, const TRect &Rect, TLEDShape Shape, TColor Outline, TColor Fill)
{
    const int L = Rect.Left;
    const int T = Rect.Top;
    const int R = Rect.Right;
    const int B = Rect.Bottom;
    const int W = R - L;
    const int HW = W / 2;
    const int HH = (B - T) / 2;

    can.setPenColor(Outline);
    can.setPenWidth(1);
    can.setBrushColor(Fill);

    switch (Shape) {
    case sRound: {
        can.Ellipse(L, T, R, B);
        // The glint: upper-left quarter of an inner ellipse.
        const int inset = W / 5;
        can.setPenColor(clBtnHighlight);
        can.setPenWidth(W / 8);
        can.Arc(L + inset, T + inset, R - inset, B - inset, L + HW, T, L, T + HH);
        break;
    }
    case sArrowLeft:
        can.Polygon({QPoint(L, T + HH), QPoint(R - 1, T), QPoint(R - 1, B - 1)});
        break;
    case sArrowRight:
        can.Polygon({QPoint(L, T), QPoint(R - 1, T + HH), QPoint(L, B - 1)});
        break;
    case sArrowUp:
        can.Polygon({QPoint(L + HW, T), QPoint(R - 1, B - 1), QPoint(L, B - 1)});
        break;
    case sArrowDown:
        can.Polygon({QPoint(L, T), QPoint(R - 1, T), QPoint(L + HW, B - 1)});
        break;
    case sRectangle:
        can.RoundRect(L, T, R, B, 1, 1);
        break;
    case sDiamondLeft:
        can.Polygon({QPoint(L, T), QPoint(L + HW, T), QPoint(R, B), QPoint(L + HW, B)});
        break;
    case sDiamondRight:
        can.Polygon({QPoint(L + HW, T), QPoint(R, T), QPoint(L + HW, B), QPoint(L, B)});
        break;
    }
}

TTextExtent MeasureText(const TCanvas &can, const QString &text)
{
    TTextExtent extent;
    extent.Width = can.TextWidth(text);
    extent.Height = can.TextHeight(text);
    extent.HalfWidth = extent.Width / 2;
    extent.HalfHeight = extent.Height / 2;
    return extent;
}

int CountChar(QChar c, const QString &text)
{
    return static_cast<int>(text.count(c));
}

QString SplitAtChar(QString &text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0) {
        QString whole = text;
        text.clear();
        return whole;
    }
    QString head = text.left(at);
    text.remove(0, at + 1);
    return head;
}

void DrawTextAnchored(TCanvas &can, int X, int Y, const QString &text, int anchor)
{
    if (anchor < 0 || anchor > 8) {
        can.TextOut(0, 0, text);
        return;
    }
    const TTextExtent extent = MeasureText(can, text);
    const int column = anchor % 3;
    const int row = anchor / 3;
    const int left = column == 0 ? X : column == 1 ? X - extent.HalfWidth : X - extent.Width;
    const int top = row == 0 ? Y : row == 1 ? Y - extent.HalfHeight : Y - extent.Height;
    can.TextOut(left, top, text);
}

void DrawMultiLineText(TCanvas &can, int X, int Y, int lineSpacing, const QString &text,
                       int anchor)
{
    const int separators = CountChar(QLatin1Char('|'), text);
    const int lineHeight = can.TextHeight(QStringLiteral("X")) + lineSpacing;
    int top = Y;
    if (anchor >= 3 && anchor <= 5)
        top = Y - (lineHeight * separators) / 2;
    else if (anchor >= 6 && anchor <= 8)
        top = Y - lineHeight * separators;

    QString rest = text;
    while (!rest.isEmpty()) {
        DrawTextAnchored(can, X, top, SplitAtChar(rest, QLatin1Char('|')), anchor);
        top += lineHeight;
    }
}
