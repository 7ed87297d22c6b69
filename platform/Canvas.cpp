// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

QColor resolveColor(TColor color, const QPalette &palette)
{
    if ((color & 0xFF000000u) == 0xFF000000u) {
        switch (color & 0xFFu) {
        case 8:
            return palette.color(QPalette::WindowText);
        case 16:
            return palette.color(QPalette::Dark);
        case 20:
            return palette.color(QPalette::Light);
        case 15:
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TCanvas::TCanvas(QPainter &painter, const QPalette &palette)
    : m_painter(&painter)
    , m_palette(palette)
    , m_font(painter.font())
{
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    applyPen();
    applyBrush();
}

TCanvas::TCanvas(const QPalette &palette)
    : m_palette(palette)
{
}

TCanvas::~TCanvas() = default;

void TCanvas::setPenColor(TColor color)
{
    m_penColor = color;
    applyPen();
}

void TCanvas::setPenWidth(int width)
{
    m_penWidth = width;
    applyPen();
}

void TCanvas::setBrushColor(TColor color)
{
    m_brushColor = color;
    applyBrush();
}

void TCanvas::setBrushStyle(BrushStyle style)
{
    m_brushStyle = style;
    applyBrush();
}

void TCanvas::setFont(const QFont &font)
{
    m_font = font;
    if (m_painter)
        m_painter->setFont(font);
}

void TCanvas::applyPen()
{
    if (!m_painter)
        return;
    QPen pen(resolve(m_penColor));
    pen.setWidth(m_penWidth);
    // A one-pixel pen is one device pixel wide and reaches every corner of a polygon, as on the
    // platform the shapes were designed for; a wider one keeps its corners square.
    pen.setCosmetic(m_penWidth <= 1);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
}

void TCanvas::applyBrush()
{
    if (!m_painter)
        return;
    if (m_brushStyle == BrushStyle::Clear)
        m_painter->setBrush(Qt::NoBrush);
    else
        m_painter->setBrush(resolve(m_brushColor));
}

// Qt strokes a rectangle one pixel beyond its width; the canvas's shapes end before R and B.
static QRect shapeRect(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (m_painter && x2 > x1 && y2 > y1)
        m_painter->drawEllipse(shapeRect(x1, y1, x2, y2));
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (!m_painter || x2 <= x1 || y2 <= y1)
        return;
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    // Qt's angles run counter-clockwise from three o'clock with y pointing up.
    const double start = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
    const double end = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
    double span = end - start;
    while (span <= 0)
        span += 360.0;
    m_painter->save();
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawArc(shapeRect(x1, y1, x2, y2), qRound(start * 16), qRound(span * 16));
    m_painter->restore();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    if (m_painter && x2 > x1 && y2 > y1)
        m_painter->drawRoundedRect(shapeRect(x1, y1, x2, y2), x3 / 2.0, y3 / 2.0);
}

void TCanvas::Polygon(const QList<QPoint> &points)
{
    if (!m_painter || points.isEmpty())
        return;
    m_painter->drawPolygon(QPolygon(points));
    // Qt leaves out the vertices at the right and bottom of a thin outline; every vertex is inked.
    if (m_penWidth <= 1)
        m_painter->drawPoints(QPolygon(points));
}

void TCanvas::MoveTo(int x, int y)
{
    m_penPosition = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    if (m_painter)
        m_painter->drawLine(m_penPosition, QPoint(x, y));
    m_penPosition = QPoint(x, y);
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    if (!m_painter || text.isEmpty())
        return;
    const QFontMetrics metrics(m_font, m_painter->device());
    if (m_brushStyle == BrushStyle::Solid)
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                            resolve(m_brushColor));
    m_painter->save();
    m_painter->setPen(resolve(m_fontColor));
    m_painter->drawText(x, y + metrics.ascent(), text);
    m_painter->restore();
}

int TCanvas::TextWidth(const QString &text) const
{
    const QFontMetrics metrics = m_painter ? QFontMetrics(m_font, m_painter->device()) : QFontMetrics(m_font);
    return metrics.horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString &text) const
{
    Q_UNUSED(text);
    const QFontMetrics metrics = m_painter ? QFontMetrics(m_font, m_painter->device()) : QFontMetrics(m_font);
    return metrics.height();
}

QRect TCanvas::ClipRect() const
{
    if (!m_painter || !m_painter->device())
        return QRect();
    if (m_painter->hasClipping())
        return m_painter->clipBoundingRect().toAlignedRect();
    return QRect(0, 0, m_painter->device()->width(), m_painter->device()->height());
}
