// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QPalette>
#include <QPolygon>
#include <QString>
#include <functional>

// A canvas with fixed text metrics that records what is drawn instead of painting it.
class RecordingCanvas : public TCanvas
{
public:
    static constexpr int CharWidth = 6;
    static constexpr int LineHeight = 10;

    struct Text
    {
        int x;
        int y;
        QString text;
    };

    RecordingCanvas()
        : TCanvas(QPalette())
    {
    }

    void setFont(const QFont &font) override
    {
        TCanvas::setFont(font);
        if (OnSetFont)
            OnSetFont();
    }
    void TextOut(int x, int y, const QString &text) override { Texts.append({x, y, text}); }
    int TextWidth(const QString &text) const override
    {
        return CharWidth * static_cast<int>(text.size());
    }
    int TextHeight(const QString &) const override { return LineHeight; }
    void Ellipse(int x1, int y1, int x2, int y2) override { Shapes.append(QRect(QPoint(x1, y1), QPoint(x2, y2))); }
    void RoundRect(int x1, int y1, int x2, int y2, int, int) override
    {
        Shapes.append(QRect(QPoint(x1, y1), QPoint(x2, y2)));
    }
    void Polygon(const QList<QPoint> &points) override { Shapes.append(QPolygon(points).boundingRect()); }
    void Arc(int, int, int, int, int, int, int, int) override {}

    QList<Text> Texts;
    // Each shape's rectangle as given (right and bottom exclusive), in drawing order.
    QList<QRect> Shapes;
    std::function<void()> OnSetFont;
};
