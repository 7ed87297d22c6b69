// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Canvas.h"

#include <QList>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

// A canvas that records what is drawn on it, with fixed letter widths so geometry can be
// worked out by hand: "M" is 11 units wide, "A" 9, every other character 7.
class RecordingCanvas : public TCanvas
{
public:
    struct Text
    {
        QPoint at;
        QString text;
    };
    struct Line
    {
        QPoint from;
        QPoint to;
    };

    explicit RecordingCanvas(const QRect &clip)
        : TCanvas(QPalette())
        , m_clip(clip)
    {
    }

    void MoveTo(int x, int y) override { m_penPosition = QPoint(x, y); }
    void LineTo(int x, int y) override
    {
        lines.append({m_penPosition, QPoint(x, y)});
        m_penPosition = QPoint(x, y);
    }
    void TextOut(int x, int y, const QString &text) override { texts.append({QPoint(x, y), text}); }
    int TextWidth(const QString &text) const override
    {
        return 7 * int(text.size()) + 4 * int(text.count(QLatin1Char('M'))) + 2 * int(text.count(QLatin1Char('A')));
    }
    QRect ClipRect() const override { return m_clip; }

    QList<Text> texts;
    QList<Line> lines;

private:
    QRect m_clip;
    QPoint m_penPosition;
};
