// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportArguments.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

std::optional<ExportFormat> formatNamed(const QString &name)
{
    if (name == QLatin1String("xml"))
        return ExportFormat::MoodleXml;
    if (name == QLatin1String("gift") || name == QLatin1String("txt"))
        return ExportFormat::Gift;
    return std::nullopt;
}

}

std::optional<ExportArguments> parseExportArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption group({QStringLiteral("s"), QStringLiteral("skupina")}, QString(),
                                   QStringLiteral("JMÉNO=SKUPINA"));
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")}, QString(), QStringLiteral("FORMÁT"));
    parser.addOptions({group, format});
    // The parser takes the first entry for the program's name.
    if (!parser.parse(QStringList{QString()} + arguments) || parser.positionalArguments().size() != 2)
        return std::nullopt;
    ExportArguments exported;
    exported.bank = parser.positionalArguments().at(0);
    exported.output = parser.positionalArguments().at(1);
    exported.groupNames = parser.values(group);
    const QString formatName = parser.isSet(format) ? parser.value(format).toLower()
                                                    : QFileInfo(exported.output).suffix().toLower();
    const std::optional<ExportFormat> chosen = formatNamed(formatName);
    if (!chosen)
        return std::nullopt;
    exported.format = *chosen;
    return exported;
}
