// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildArguments.h"

#include <QCommandLineParser>

std::optional<BuildArguments> parseBuildArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption group({QStringLiteral("s"), QStringLiteral("skupina")}, QString(),
                                   QStringLiteral("JMÉNO=SKUPINA"));
    parser.addOption(group);
    // The parser takes the first entry for the program's name.
    if (!parser.parse(QStringList{QString()} + arguments))
        return std::nullopt;
    BuildArguments build;
    build.groupChoices = parser.values(group);
    build.inputs = parser.positionalArguments();
    if (build.inputs.size() > 1 && build.inputs.last().endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        build.output = build.inputs.takeLast();
    if (build.inputs.isEmpty())
        return std::nullopt;
    return build;
}
