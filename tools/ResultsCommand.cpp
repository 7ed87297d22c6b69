// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsCommand.h"
#include "ToolCommand.h"

#include "platform/core/ProgramLocation.h"
#include "results/AttemptFilter.h"
#include "results/RecordReader.h"
#include "results/RecordWriter.h"
#include "results/ResultsReport.h"
#include "settings/ResultsSettings.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

const char Help[] =
    "Použití: test-znalosti-banka vysledky [VOLBY] [SLOŽKA...]\n"
    "Přečte záznamy pokusů ze složek (i z jejich podsložek; bez složky ze složky výsledků, kterou\n"
    "určuje Test.ini programu) a vypíše pokusy, statistiku otázek a osob. Kopie téhož pokusu\n"
    "z více počítačů se počítá jednou; soubory, které nejsou záznamem, vypíše a vynechá.\n"
    "  --csv SOUBOR    zapíše pokusy, otázky a osoby do SOUBORU pro tabulkový procesor\n"
    "                  (UTF-8 s BOM, oddělovač středník, desetinná čárka)\n"
    "  --carka         oddělovač čárka a desetinná tečka místo středníku\n"
    "  --od DATUM      jen pokusy začaté toho dne a později (RRRR-MM-DD nebo D.M.RRRR)\n"
    "  --do DATUM      jen pokusy začaté toho dne a dříve\n"
    "  --banka TEXT    jen pokusy z banky, jejíž cesta obsahuje TEXT nebo jejíž SHA-256\n"
    "                  začíná TEXTEM\n"
    "Skončí kódem 0, když najde pokus, 1, když žádný, a 2 při chybném použití nebo složce či\n"
    "souboru, které nelze číst nebo zapsat.\n";

struct Options
{
    QStringList folders;
    QString csv;
    results::CsvSeparator separator = results::CsvSeparator::Semicolon;
    results::AttemptFilter filter;
    bool help = false;
};

std::optional<QDate> parseDate(const QString &text)
{
    for (const QString &format : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d.M.yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

// The options, or the reason they are no use.
std::optional<Options> parseOptions(const QStringList &arguments, QString &problem)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--carka")) {
            options.separator = results::CsvSeparator::Comma;
        } else if (argument == QLatin1String("--csv") || argument == QLatin1String("--banka")
                   || argument == QLatin1String("--od") || argument == QLatin1String("--do")) {
            if (!hasValue) {
                problem = QStringLiteral("Volba %1 potřebuje hodnotu.").arg(argument);
                return std::nullopt;
            }
            const QString value = arguments[++i];
            if (argument == QLatin1String("--csv")) {
                options.csv = value;
            } else if (argument == QLatin1String("--banka")) {
                options.filter.bank = value;
            } else {
                const std::optional<QDate> date = parseDate(value);
                if (!date) {
                    problem = QStringLiteral("Datum „%1“ u volby %2 neznám; pište RRRR-MM-DD nebo D.M.RRRR.")
                                  .arg(value, argument);
                    return std::nullopt;
                }
                (argument == QLatin1String("--od") ? options.filter.from : options.filter.to) = date;
            }
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            problem = QStringLiteral("Neznámá volba %1.").arg(argument);
            return std::nullopt;
        } else {
            options.folders.append(argument);
        }
    }
    if (options.filter.from && options.filter.to && *options.filter.from > *options.filter.to) {
        problem = QStringLiteral("Datum u volby --od je pozdější než datum u volby --do.");
        return std::nullopt;
    }
    return options;
}

QString defaultFolder(const QString &programDirectory)
{
    const QString ini = ResultsSettingsFile::iniPath(programDirectory);
    return ResultsSettingsFile::resultsFolder(ResultsSettingsFile::read(ini), ini, programDirectory);
}

QString csvSummary(const QString &path, const results::ResultsSummary &summary)
{
    return QStringLiteral("Zapsáno do %1: %2, %3, %4.\n")
        .arg(QDir::toNativeSeparators(path),
             results::counted(static_cast<int>(summary.attempts.size()), QStringLiteral("pokus"),
                              QStringLiteral("pokusy"), QStringLiteral("pokusů")),
             results::counted(static_cast<int>(summary.questions.size()), QStringLiteral("otázka"),
                              QStringLiteral("otázky"), QStringLiteral("otázek")),
             results::counted(static_cast<int>(summary.persons.size()), QStringLiteral("osoba"),
                              QStringLiteral("osoby"), QStringLiteral("osob")));
}

}

ResultsCommandOutput resultsCommand(const QStringList &arguments, const QString &programDirectory)
{
    QString problem;
    std::optional<Options> options = parseOptions(arguments, problem);
    if (!options)
        return {Failure, QString(), problem + QStringLiteral("\nNávod k použití: test-znalosti-banka vysledky --help\n")};
    if (options->help)
        return {Success, QString::fromUtf8(Help), QString()};
    if (options->folders.isEmpty()) {
        const QString folder = defaultFolder(programDirectory);
        // Before the first recorded test the folder is not there yet: nothing, rather than a fault.
        if (!QFileInfo::exists(folder))
            return {Incomplete, QString(),
                    QStringLiteral("Složka výsledků %1 zatím neexistuje; žádný pokus nenalezen.\n")
                        .arg(QDir::toNativeSeparators(folder))};
        options->folders.append(folder);
    }

    const results::RecordSet set = results::readRecords(options->folders);
    ResultsCommandOutput output{set.unreadableFolders.isEmpty() ? Success : Failure, QString(),
                                results::skippedText(set)};
    const results::ResultsSummary summary = results::summarise(results::filtered(set.attempts, options->filter));
    if (summary.attempts.isEmpty()) {
        output.err += QStringLiteral("Žádný pokus nenalezen.\n");
        output.exitCode = std::max<int>(output.exitCode, Incomplete);
        return output;
    }
    if (options->csv.isEmpty()) {
        output.out = results::reportText(summary);
        return output;
    }
    if (const std::optional<QString> failure =
            results::writeFileWhole(options->csv, results::resultsCsv(summary, options->separator))) {
        output.err += QStringLiteral("Soubor %1 nelze zapsat: %2.\n").arg(QDir::toNativeSeparators(options->csv), *failure);
        output.exitCode = Failure;
        return output;
    }
    output.out = csvSummary(options->csv, summary);
    return output;
}

std::optional<int> runResultsCommand(const QStringList &arguments)
{
    const ResultsCommandOutput output = resultsCommand(arguments, ProgramLocation::directory());
    print(stderr, output.err);
    print(stdout, output.out);
    return output.exitCode;
}
