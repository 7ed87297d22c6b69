// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankCommands.h"

#include "BuildArguments.h"
#include "ExportArguments.h"
#include "bankfile/BankCheck.h"
#include "bankfile/BankExport.h"
#include "bankfile/BankFile.h"
#include "bankfile/BankImport.h"
#include "bankfile/FindingText.h"
#include "bankfile/InputFormat.h"
#include "bankfile/SaveFile.h"
#include "bankfile/TableDump.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"
#include "platform/core/AppError.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

namespace {

// Lowers the input limit for a test, which then needs no huge file; never raises it.
const char InputLimitVariable[] = "TEST_ZNALOSTI_BANKA_LIMIT";

// Problems of an input named at most, the rest counted.
constexpr qsizetype NamedProblems = 20;

qint64 inputSizeLimit()
{
    bool ok = false;
    const qint64 lowered = qEnvironmentVariable(InputLimitVariable).toLongLong(&ok);
    return ok && lowered >= 0 && lowered < InputSizeLimit ? lowered : InputSizeLimit;
}

QList<Finding> ofEffect(const QList<Finding> &findings, FindingEffect effect)
{
    QList<Finding> found;
    std::copy_if(findings.cbegin(), findings.cend(), std::back_inserter(found),
                 [effect](const Finding &finding) { return findingEffect(finding) == effect; });
    return found;
}

// "… a další problém", "… a další 2 problémy", "… a dalších 5 problémů".
QString moreProblems(qsizetype count)
{
    if (count == 1)
        return QStringLiteral("… a další problém\n");
    return (count < 5 ? QStringLiteral("… a další %1 problémy\n") : QStringLiteral("… a dalších %1 problémů\n")).arg(count);
}

// The findings a line each, at most `limit` of them and then how many more there are.
QString lines(const QList<Finding> &findings, qsizetype limit = std::numeric_limits<qsizetype>::max())
{
    QString text;
    for (qsizetype i = 0; i < std::min(limit, findings.size()); ++i)
        text += findingLine(findings[i]) + QLatin1Char('\n');
    if (findings.size() > limit)
        text += moreProblems(findings.size() - limit);
    return text;
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString writtenText(const WrittenBank &written, qsizetype count)
{
    QString text = QStringLiteral("Banka otázek je uložena v %1 (počet otázek: %2)\n").arg(nativePath(written.path)).arg(count);
    if (!written.backup.isEmpty())
        text += QStringLiteral("Dosavadní banka je zachována jako záloha %1\n").arg(QDir::toNativeSeparators(written.backup));
    return text;
}

// A file `build` reads given where a table belongs: said as a fault of the command line.
void refuseQuestionFile(const QString &path, const QString &command)
{
    static const std::pair<InputFormat, const char *> kinds[] = {{InputFormat::Csv, "banka CSV"},
                                                                 {InputFormat::MoodleXml, "soubor Moodle XML"},
                                                                 {InputFormat::Gift, "soubor GIFT"},
                                                                 {InputFormat::Aiken, "soubor Aiken"}};
    QFile file(path);
    const QByteArray probe = file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray();
    // A table's header names its fields, which can pass for a text format: binary bytes rule one out.
    if (probe.contains('\0'))
        return;
    const InputFormat format = detectInputFormat(probe);
    for (const auto &[kind, name] : kinds) {
        if (kind == format)
            throw UsageError{QStringLiteral("Soubor %1 je %2, ne tabulka .db pro příkaz %3; tabulku z něj vytvoří "
                                            "test-znalosti-banka build %1")
                                 .arg(path, QString::fromUtf8(name), command)};
    }
}

BankContent readTable(const QString &path, const QString &command)
{
    try {
        return readBank(path);
    } catch (const AppError &) {
        refuseQuestionFile(path, command);
        throw;
    }
}

// The dump is text: it never goes over a table or a memo file, which it would destroy.
void refuseTableAsOutput(const QString &output, const QString &table)
{
    const QString suffix = QFileInfo(output).suffix();
    const QString target = QFileInfo(output).canonicalFilePath();
    const bool tableFile = suffix.compare(QLatin1String("db"), Qt::CaseInsensitive) == 0
                           || suffix.compare(QLatin1String("mb"), Qt::CaseInsensitive) == 0;
    const bool sameFile = !target.isEmpty()
                          && (target == QFileInfo(table).canonicalFilePath()
                              || target == QFileInfo(paradox::Memo::findFor(table)).canonicalFilePath());
    if (tableFile || sameFile)
        throw UsageError{QStringLiteral("Příkaz dump nepíše do tabulky ani do souboru poznámek (%1); zvolte výstup .csv.").arg(output)};
}

}

std::optional<int> runBuild(const QStringList &arguments)
{
    const BuildArguments build = parseBuildArguments(arguments);
    ImportOptions options;
    options.groups = parseGroupChoices(build.groupChoices);
    options.sizeLimit = inputSizeLimit();
    BankContent content = importFiles(build.inputs, options);
    const QList<Finding> problems = ofEffect(content.findings, FindingEffect::Blocks);
    if (!problems.isEmpty()) {
        print(stderr, lines(ofEffect(content.findings, FindingEffect::Warning), NamedProblems) + lines(problems, NamedProblems)
                          + QStringLiteral("Banka se nezapsala.\n"));
        return Failure;
    }
    const QList<Finding> skipped = ofEffect(content.findings, FindingEffect::LeftOut);
    QString err = lines(ofEffect(content.findings, FindingEffect::Warning), NamedProblems) + lines(skipped);
    QString out = QStringLiteral("Převedeno otázek: %1, vynecháno: %2\n").arg(content.records.size()).arg(skipped.size());
    if (content.records.isEmpty()) {
        print(stderr, err + QStringLiteral("Žádnou otázku nelze převést, banka se nezapsala.\n"));
        print(stdout, out);
        return Incomplete;
    }
    const QList<Finding> unstorable = unstorableTexts(content);
    if (!unstorable.isEmpty()) {
        print(stderr, lines(unstorable, NamedProblems) + QStringLiteral("Banka se nezapsala.\n"));
        return Failure;
    }
    const QList<Finding> warnings = valueWarnings(content);
    err += lines(warnings, NamedProblems);
    if (!warnings.isEmpty())
        err += QStringLiteral("Upozornění k hodnotám otázek: %1\n").arg(warnings.size());
    const qsizetype count = content.records.size();
    const WrittenBank written = writeBank(std::move(content), build.output.isEmpty() ? programBankPath() : build.output);
    print(stderr, err);
    print(stdout, out + writtenText(written, count));
    return Success;
}

std::optional<int> runExport(const QStringList &arguments)
{
    const ExportArguments exported = parseExportArguments(arguments);
    const BankContent content = readTable(exported.bank, QStringLiteral("export"));
    ExportOptions options;
    options.format = exported.format;
    options.groupNames = parseGroupChoices(exported.groupNames);
    const ExportResult result = exportBankFile(content, options, exported.output);
    const QList<Finding> leftOut = ofEffect(result.findings, FindingEffect::LeftOut);
    QString err = lines(leftOut) + lines(ofEffect(result.findings, FindingEffect::Warning));
    QString out = QStringLiteral("Vyvezeno otázek: %1, vynecháno: %2\n").arg(result.exported).arg(leftOut.size());
    if (result.exported == 0)
        err += QStringLiteral("Žádný záznam nelze vyvézt, soubor se nezapsal.\n");
    else
        out += QStringLiteral("Otázky pro Moodle jsou uloženy v %1 (%2)\n")
                   .arg(nativePath(exported.output),
                        options.format == ExportFormat::Gift ? QStringLiteral("GIFT") : QStringLiteral("Moodle XML"));
    print(stderr, err);
    print(stdout, out);
    return result.exported == 0 ? Incomplete : Success;
}

std::optional<int> runDump(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption spreadsheet(QStringLiteral("tabulkovy"));
    parser.addOption(spreadsheet);
    parseArguments(parser, QStringLiteral("dump"), arguments);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || files.size() > 2)
        throw UsageError{QStringLiteral("Příkaz dump potřebuje tabulku .db, případně výstupní soubor CSV.")};
    const QString output = files.value(1);
    if (!output.isEmpty())
        refuseTableAsOutput(output, files[0]);
    paradox::Table table;
    table.setTableName(files[0]);
    try {
        table.open();
    } catch (const AppError &) {
        refuseQuestionFile(files[0], QStringLiteral("dump"));
        throw;
    }
    const bool forSpreadsheet = parser.isSet(spreadsheet) || output.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    const TableDump dump = dumpTable(table, forSpreadsheet ? CsvStyle::spreadsheet() : CsvStyle());
    if (output.isEmpty()) {
        print(stdout, dump.csv);
    } else {
        saveFile(output, [&dump](QIODevice &file) { file.write(dump.csv.toUtf8()); });
        print(stdout, QStringLiteral("Tabulka je zapsána do %1%2\n")
                          .arg(nativePath(output), forSpreadsheet ? QStringLiteral(" (pro tabulkový procesor: UTF-8 s BOM, "
                                                                                   "oddělovač středník)")
                                                                  : QString()));
    }
    print(stderr, lines(dump.problems));
    return dump.problems.isEmpty() ? Success : Incomplete;
}

std::optional<int> runCheck(const QStringList &arguments)
{
    if (arguments.size() != 1)
        throw UsageError{QStringLiteral("Příkaz check potřebuje právě jednu tabulku .db.")};
    const BankCheck check = checkBank(readTable(arguments[0], QStringLiteral("check")));
    print(stdout, checkReportText(check));
    if (!check.testCanBeDrawn)
        print(stderr, QStringLiteral("Z banky %1 nelze vylosovat test.\n").arg(arguments[0]));
    return check.testCanBeDrawn ? Success : Incomplete;
}
