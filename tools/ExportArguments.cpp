// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExportArguments.h"

#include "ToolCommand.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// The format as the user named it: the option's value, else the output's extension, else the
// output itself.
QString askedFormat(const QString &option, const QString &output)
{
    if (!option.isEmpty())
        return option;
    const QString suffix = QFileInfo(output).suffix();
    return suffix.isEmpty() ? output : QLatin1Char('.') + suffix;
}

}

ExportArguments parseExportArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption group({QStringLiteral("s"), QStringLiteral("skupina")}, QString(),
                                   QStringLiteral("JMÉNO=SKUPINA"));
    const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")}, QString(), QStringLiteral("FORMÁT"));
    parser.addOptions({group, format});
    parseArguments(parser, QStringLiteral("export"), arguments);
    if (parser.positionalArguments().size() != 2)
        throw UsageError{QStringLiteral("Příkaz export potřebuje banku .db a výstupní soubor.")};
    ExportArguments exported;
    exported.bank = parser.positionalArguments().at(0);
    exported.output = parser.positionalArguments().at(1);
    exported.groupNames = parser.values(group);
    const QString formatName = parser.isSet(format) ? parser.value(format) : QFileInfo(exported.output).suffix();
    const std::optional<ExportFormat> chosen = formatName.isEmpty() ? std::nullopt : exportFormatOf(formatName);
    // CSV is what `dump` writes.
    if (!chosen || *chosen == ExportFormat::Csv)
        throw UsageError{QStringLiteral("Export nezná formát výstupu „%1“; zvolte výstup .xml (Moodle XML) nebo .gift "
                                        "(GIFT), nebo volbu --format xml|gift%2.")
                             .arg(askedFormat(parser.value(format), exported.output),
                                  chosen ? QStringLiteral("; CSV zapíše příkaz dump") : QString())};
    exported.format = *chosen;
    return exported;
}
