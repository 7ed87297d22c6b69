// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/PngIconEngine.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap readPng(const QString &path)
{
    // Named as PNG, so that Qt does not load every image plugin to find the one that reads it.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// Qt's own pictures of a standard icon: the stem of their resource names and their sides.
struct BuiltInPictures
{
    QStyle::StandardPixmap which;
    const char *stem;
    QList<int> sides;
};

const QList<BuiltInPictures> &builtInPictureList()
{
    static const QList<BuiltInPictures> builtIns = {
        {QStyle::SP_BrowserReload, "refresh", {24, 32}},
        {QStyle::SP_DialogOkButton, "standardbutton-ok", {16, 32, 128}},
        {QStyle::SP_DialogCancelButton, "standardbutton-cancel", {16, 32, 128}},
    };
    return builtIns;
}

// Qt's pictures for `which` where Fusion would draw them; none where it would not.
QList<PngIconEngine::Picture> builtInPicturesFor(const QStyle *style, QStyle::StandardPixmap which)
{
    if (style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0
        || (QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty()))
        return {};
    for (const BuiltInPictures &builtIn : builtInPictureList()) {
        if (builtIn.which != which)
            continue;
        QList<PngIconEngine::Picture> pictures;
        for (int side : builtIn.sides) {
            const QString path = QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                     .arg(QLatin1String(builtIn.stem))
                                     .arg(side);
            if (!QFile::exists(path))
                return {};
            pictures.append({side, path});
        }
        return pictures;
    }
    return {};
}

}

PngIconEngine::PngIconEngine(const QList<Picture> &pictures)
    : m_pictures(pictures)
    , m_read(pictures.size(), false)
{
}

// The smallest picture at least as large as the size asked for, else the largest: QIcon's choice.
void PngIconEngine::readFor(const QSize &size)
{
    if (m_pictures.isEmpty())
        return;
    const qsizetype area = qsizetype(size.width()) * size.height();
    qsizetype chosen = m_pictures.size() - 1;
    for (qsizetype i = 0; i < m_pictures.size(); ++i) {
        if (qsizetype(m_pictures[i].side) * m_pictures[i].side >= area) {
            chosen = i;
            break;
        }
    }
    if (m_read[chosen])
        return;
    m_read[chosen] = true;
    m_readPictures.addPixmap(readPng(m_pictures[chosen].path));
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    readFor(size);
    // The size is already in device pixels.
    return m_readPictures.pixmap(size, 1.0, mode, state);
}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const QSize size = rect.size() * painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(size, mode, state));
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

QList<QSize> PngIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off)
        return sizes;
    for (const Picture &picture : std::as_const(m_pictures))
        sizes.append(QSize(picture.side, picture.side));
    return sizes;
}

QIconEngine *PngIconEngine::clone() const
{
    return new PngIconEngine(*this);
}

QIcon programIcon(const QString &resource)
{
    return QIcon(new PngIconEngine({{16, resource}}));
}

QIcon lazyStandardIcon(const QStyle *style, QStyle::StandardPixmap which)
{
    const QList<PngIconEngine::Picture> pictures = builtInPicturesFor(style, which);
    return pictures.isEmpty() ? style->standardIcon(which) : QIcon(new PngIconEngine(pictures));
}
