// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <ostream>

// Known colours for the system colours the lamps use.
inline QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::Dark, QColor(64, 0, 64));
    palette.setColor(QPalette::Light, QColor(255, 255, 128));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    return palette;
}

inline QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

inline QColor shadow()
{
    return testPalette().color(QPalette::Dark);
}

inline QColor highlight()
{
    return testPalette().color(QPalette::Light);
}

inline QColor plain(TColor color)
{
    return resolveColor(color, testPalette());
}

// The bounding box of every pixel that is not white, in the rows from top to bottom (exclusive)
// and the columns from left to right (exclusive).
inline QRect inkBox(const QImage &image, int top, int bottom, int left = 0, int right = -1)
{
    if (right < 0)
        right = image.width();
    QRect box;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline void PrintTo(const QColor &color, std::ostream *os)
{
    *os << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
