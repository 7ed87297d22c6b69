// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildArguments.h"

#include "ToolCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// A last argument meant as the target: no such file, and not named as an input would be.
bool looksLikeTarget(const QString &argument)
{
    static const QStringList inputSuffixes = {QStringLiteral("csv"), QStringLiteral("xml"), QStringLiteral("gift"),
                                              QStringLiteral("txt")};
    const QFileInfo file(argument);
    return !file.exists() && !inputSuffixes.contains(file.suffix().toLower());
}

}

BuildArguments parseBuildArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption group({QStringLiteral("s"), QStringLiteral("skupina")}, QString(),
                                   QStringLiteral("JMÉNO=SKUPINA"));
    parser.addOption(group);
    parseArguments(parser, QStringLiteral("build"), arguments);
    BuildArguments build;
    build.groupChoices = parser.values(group);
    build.inputs = parser.positionalArguments();
    if (build.inputs.size() > 1 && build.inputs.last().endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        build.output = build.inputs.takeLast();
    if (build.inputs.isEmpty())
        throw UsageError{QStringLiteral("Příkazu build chybí vstupní soubor (CSV, Moodle XML, GIFT nebo Aiken).")};
    if (build.inputs.size() > 1 && looksLikeTarget(build.inputs.last()))
        throw UsageError{QStringLiteral("Cíl „%1“ nemá příponu .db; banku zapište do souboru .db, třeba %2.db.")
                             .arg(build.inputs.last(), QFileInfo(build.inputs.last()).completeBaseName())};
    return build;
}
