// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/SaveFile.h"

#include "platform/core/AppError.h"
#include "platform/core/SystemError.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>

void saveFile(const QString &path, const std::function<void(QIODevice &)> &write)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly))
        write(file);
    if (!file.commit())
        throw AppError(QStringLiteral("Soubor %1 nelze zapsat: %2")
                           .arg(QDir::toNativeSeparators(path), SystemError::text(file.error(), errno)));
}
