// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings file of any content: reading never fails, and a write keeps it a readable file.
#include "platform/core/AppError.h"
#include "platform/core/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    ProfileFile settings(path);
    settings.readInteger(QStringLiteral("Test"), QStringLiteral("DobaTestu"), 30);
    settings.readInteger(QStringLiteral("Test"), QStringLiteral("IVelPisOt"), 1);
    settings.readInteger(QStringLiteral("Tisk"), QStringLiteral("LokrTisk"), 10);
    settings.readString(QStringLiteral("Tisk"), QStringLiteral("wht"), QStringLiteral("48"));
    try {
        settings.writeInteger(QStringLiteral("Tisk"), QStringLiteral("LOkrTisk"), 12);
        if (settings.readInteger(QStringLiteral("Tisk"), QStringLiteral("LokrTisk"), 10) != 12)
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
