// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QPalette>
#include <QPoint>
#include <QRect>

class QPainter;

// A colour as 0x00BBGGRR, or 0xFF0000nn for the system colour number nn.
using TColor = quint32;

constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clBtnHighlight = 0xFF000014;

// The colour as Qt sees it; system colours come from the palette.
QColor resolveColor(TColor color, const QPalette &palette);

// A drawing surface with a pen, a brush and a font. Shapes take their rectangle with the right
// and bottom edges exclusive: Ellipse(L, T, R, B) covers R - L by B - T pixels. The same canvas
// serves the screen and the printer; a test may derive from it to record what is drawn.
class TCanvas
{
public:
    enum class BrushStyle { Solid, Clear };

    explicit TCanvas(QPainter &painter, const QPalette &palette);
    virtual ~TCanvas();

    void setPenColor(TColor color);
    TColor penColor() const { return m_penColor; }
    void setPenWidth(int width);
    int penWidth() const { return m_penWidth; }
    void setBrushColor(TColor color);
    TColor brushColor() const { return m_brushColor; }
    void setBrushStyle(BrushStyle style);
    BrushStyle brushStyle() const { return m_brushStyle; }
    virtual void setFont(const QFont &font);
    QFont font() const { return m_font; }
    // The colour TextOut writes in; black unless set.
    void setFontColor(TColor color) { m_fontColor = color; }
    TColor fontColor() const { return m_fontColor; }

    virtual void Ellipse(int x1, int y1, int x2, int y2);
    // The arc of the ellipse in (x1, y1, x2, y2) running counter-clockwise from the radial
    // through (x3, y3) to the radial through (x4, y4).
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    virtual void Polygon(const QList<QPoint> &points);
    virtual void MoveTo(int x, int y);
    virtual void LineTo(int x, int y);
    // Text with its top-left corner at (x, y); a solid brush fills the text's background.
    virtual void TextOut(int x, int y, const QString &text);
    virtual int TextWidth(const QString &text) const;
    virtual int TextHeight(const QString &text) const;
    // The area drawing reaches, in device units.
    virtual QRect ClipRect() const;

    QColor resolve(TColor color) const { return resolveColor(color, m_palette); }

protected:
    // For canvases that record instead of painting.
    explicit TCanvas(const QPalette &palette);

private:
    void applyPen();
    void applyBrush();

    QPainter *m_painter = nullptr;
    QPalette m_palette;
    TColor m_penColor = clBlack;
    int m_penWidth = 1;
    TColor m_brushColor = clWhite;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    QFont m_font;
    TColor m_fontColor = clBlack;
    QPoint m_penPosition;
};
