// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtTranslation(QCoreApplication &application, QTranslator &translator)
{
    const QString name = QStringLiteral("qtbase_cs");
    if (translator.load(name, QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
        || translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}
