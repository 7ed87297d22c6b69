// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QString>
#include <QStyle>

// An icon drawn from PNG files of square pictures, each file read only when a size it serves is
// first asked for: an ordinary screen never reads the large pictures, a high-density one reads
// the larger ones it needs. The picture chosen for a size, and the disabled look made from it,
// are those a plain QIcon of the same files gives.
class PngIconEngine : public QIconEngine
{
public:
    struct Picture
    {
        int side;
        QString path;
    };

    // The pictures in ascending order of side.
    explicit PngIconEngine(const QList<Picture> &pictures);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    // Reads the picture that serves `size` unless it has been read.
    void readFor(const QSize &size);

    QList<Picture> m_pictures;
    QList<bool> m_read;
    QIcon m_readPictures;
};

// The program's own 16-pixel picture from its resources, read when first drawn.
QIcon programIcon(const QString &resource);
// The style's standard picture. Qt's own pictures, which Fusion draws when no icon theme is set,
// are read one size at a time as above; an icon theme or another style is asked as usual.
QIcon lazyStandardIcon(const QStyle *style, QStyle::StandardPixmap which);
