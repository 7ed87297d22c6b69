// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileProblem.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

QString readProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("soubor neexistuje");
    if (info.isDir())
        return QStringLiteral("je to složka, ne soubor");
    return QStringLiteral("chybí oprávnění ke čtení");
}

QString writeProblem(const QFileDevice &file, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("je to složka, ne soubor");
    if (!info.absoluteDir().exists())
        return QStringLiteral("složka %1 neexistuje").arg(QDir::toNativeSeparators(info.absolutePath()));
    if (file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError)
        return QStringLiteral("zápis se nezdařil (například je plný disk)");
    return QStringLiteral("chybí oprávnění k zápisu");
}
