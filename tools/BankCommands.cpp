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
#include "bankfile/TableDump.h"
#include "paradox/Table.h"
#include "platform/core/AppError.h"

#include <QDir>

namespace {

// Lowers the input limit for a test, which then needs no huge file; never raises it.
const char InputLimitVariable[] = "TEST_ZNALOSTI_BANKA_LIMIT";

qint64 inputSizeLimit()
{
    bool ok = false;
    const qint64 lowered = qEnvironmentVariable(InputLimitVariable).toLongLong(&ok);
    return ok && lowered >= 0 && lowered < InputSizeLimit ? lowered : InputSizeLimit;
}

qsizetype countOf(const QList<Finding> &findings, FindingEffect effect)
{
    return std::count_if(findings.cbegin(), findings.cend(),
                         [effect](const Finding &finding) { return findingEffect(finding) == effect; });
}

// The findings of one effect, a line each.
QString lines(const QList<Finding> &findings, FindingEffect effect)
{
    QString text;
    for (const Finding &finding : findings) {
        if (findingEffect(finding) == effect)
            text += findingLine(finding) + QLatin1Char('\n');
    }
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

}

std::optional<int> runBuild(const QStringList &arguments)
{
    const std::optional<BuildArguments> build = parseBuildArguments(arguments);
    if (!build)
        return std::nullopt;
    ImportOptions options;
    options.groups = parseGroupChoices(build->groupChoices);
    options.sizeLimit = inputSizeLimit();
    const BankContent content = importFiles(build->inputs, options);
    QString err = lines(content.findings, FindingEffect::Warning) + lines(content.findings, FindingEffect::LeftOut);
    QString out = QStringLiteral("Převedeno otázek: %1, vynecháno: %2\n")
                      .arg(content.records.size())
                      .arg(countOf(content.findings, FindingEffect::LeftOut));
    if (content.records.isEmpty()) {
        print(stderr, err + QStringLiteral("Žádnou otázku nelze převést, banka se nezapsala.\n"));
        print(stdout, out);
        return Incomplete;
    }
    const QList<Finding> unstorable = unstorableTexts(content);
    if (!unstorable.isEmpty())
        throw AppError(findingText(unstorable.first()));
    const QList<Finding> warnings = valueWarnings(content);
    err += lines(warnings, FindingEffect::Warning);
    if (!warnings.isEmpty())
        err += QStringLiteral("Upozornění k hodnotám otázek: %1\n").arg(warnings.size());
    const WrittenBank written = writeBank(content, build->output.isEmpty() ? programBankPath() : build->output);
    print(stderr, err);
    print(stdout, out + writtenText(written, content.records.size()));
    return Success;
}

std::optional<int> runExport(const QStringList &arguments)
{
    const std::optional<ExportArguments> exported = parseExportArguments(arguments);
    if (!exported)
        return std::nullopt;
    const BankContent content = readBank(exported->bank);
    ExportOptions options;
    options.format = exported->format;
    options.groupNames = parseGroupChoices(exported->groupNames);
    const ExportResult result = exportBankFile(content, options, exported->output);
    QString err = lines(result.findings, FindingEffect::LeftOut) + lines(result.findings, FindingEffect::Warning);
    QString out = QStringLiteral("Vyvezeno otázek: %1, vynecháno: %2\n")
                      .arg(result.exported)
                      .arg(countOf(result.findings, FindingEffect::LeftOut));
    if (result.exported == 0)
        err += QStringLiteral("Žádný záznam nelze vyvézt, soubor se nezapsal.\n");
    else
        out += QStringLiteral("Otázky pro Moodle jsou uloženy v %1 (%2)\n")
                   .arg(nativePath(exported->output),
                        options.format == ExportFormat::Gift ? QStringLiteral("GIFT") : QStringLiteral("Moodle XML"));
    print(stderr, err);
    print(stdout, out);
    return result.exported == 0 ? Incomplete : Success;
}

std::optional<int> runDump(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return std::nullopt;
    paradox::Table table;
    table.setTableName(arguments[0]);
    table.open();
    const TableDump dump = dumpTable(table);
    print(stdout, dump.csv);
    for (const Finding &problem : dump.problems)
        print(stderr, findingLine(problem) + QLatin1Char('\n'));
    return dump.problems.isEmpty() ? Success : Incomplete;
}

std::optional<int> runCheck(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return std::nullopt;
    const BankCheck check = checkBank(readBank(arguments[0]));
    print(stdout, checkReportText(check));
    if (!check.testCanBeDrawn)
        print(stderr, QStringLiteral("Z banky %1 nelze vylosovat test.\n").arg(arguments[0]));
    return check.testCanBeDrawn ? Success : Incomplete;
}
