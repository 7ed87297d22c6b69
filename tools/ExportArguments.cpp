// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportArguments.h"

#include <QCommandLineParser>
#include <QFileInfo>

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
    const QString formatName = parser.isSet(format) ? parser.value(format) : QFileInfo(exported.output).suffix();
    const std::optional<ExportFormat> chosen = formatName.isEmpty() ? std::nullopt : exportFormatOf(formatName);
    // CSV is what `dump` writes.
    if (!chosen || *chosen == ExportFormat::Csv)
        return std::nullopt;
    exported.format = *chosen;
    return exported;
}
