// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankCheck.h"
#include "BankExport.h"
#include "BankImport.h"
#include "BuildArguments.h"
#include "ResultsCommand.h"
#include "TableDump.h"
#include "paradox/Table.h"
#include "platform/core/AppError.h"
#include "tools/import/ImportError.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <new>

namespace {

// Incomplete: no test can be drawn from the bank, a value of the table could not be read, or no
// question could be imported.
enum ExitCode { Success = 0, Incomplete = 1, Failure = 2 };

const char Usage[] =
    "Použití:\n"
    "  test-znalosti-banka build [--skupina JMÉNO=SKUPINA]... VSTUP... [TABULKA.db]\n"
    "      vytvoří banku otázek ze vstupů (CSV, Moodle XML, GIFT, Aiken) do TABULKA.db, bez ní\n"
    "      tam, kde ji program čte, a vypíše její cestu\n"
    "  test-znalosti-banka dump TABULKA.db    vypíše všechny záznamy tabulky jako CSV\n"
    "  test-znalosti-banka check TABULKA.db   ověří, co program z banky otázek vylosuje\n"
    "  test-znalosti-banka export [--format xml|gift] [--skupina JMÉNO=SKUPINA]... TABULKA.db VÝSTUP\n"
    "      zapíše banku pro Moodle: Moodle XML (.xml) nebo GIFT (.gift, .txt); skupina N je\n"
    "      kategorie „Skupina N“, nebo JMÉNO, když je tak --skupina pojmenuje\n"
    "  test-znalosti-banka vysledky [--csv SOUBOR] [--carka] [--od DATUM] [--do DATUM] [--banka TEXT]\n"
    "                               [SLOŽKA]...\n"
    "      vypíše pokusy ze záznamů ve složkách a statistiku otázek a osob, s --csv je zapíše pro\n"
    "      tabulkový procesor (podrobnosti: test-znalosti-banka vysledky --help)\n"
    "  test-znalosti-banka --help | --version\n"
    "Formát vstupu se pozná z obsahu. CSV: oddělovač čárka, středník nebo tabulátor; kódování\n"
    "UTF-8, UTF-16 se značkou BOM nebo Windows-1250; skupiny nese CSV samo. Z exportů Moodle se\n"
    "převedou otázky s výběrem jedné ze tří odpovědí, ostatní se vypíšou jako vynechané; kategorie\n"
    "dostanou skupiny 1, 2, 3 v pořadí, v jakém se objeví (kategorie „Skupina N“ skupinu N).\n"
    "  --skupina JMÉNO=SKUPINA   kategorie Moodle nebo celý vstupní soubor JMÉNO patří do skupiny\n"
    "                            1, 2 nebo 3; lze opakovat\n"
    "Banka, která už v cíli je, se zachová jako záloha vedle nové. build skončí kódem 1 a nic\n"
    "nezapíše, když nelze převést žádnou otázku; export stejně, když nelze vyvézt žádný záznam.\n"
    "Vstup větší než 64 MiB nebo s binárními daty se odmítne.\n";

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

void openTable(paradox::Table &table, const QString &path)
{
    table.setTableName(path);
    table.open();
}

int run(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    if (command == QLatin1String("vysledky"))
        return runResultsCommand(arguments.mid(2));
    const std::optional<BuildArguments> build = command == QLatin1String("build")
        ? parseBuildArguments(arguments.mid(2))
        : std::nullopt;
    if (build) {
        const BuildReport report = importBank(build->inputs, parseGroupChoices(build->groupChoices), build->output);
        print(stderr, report.err);
        print(stdout, report.out);
        return report.written ? Success : Incomplete;
    }
    const std::optional<ExportArguments> exported = command == QLatin1String("export")
        ? parseExportArguments(arguments.mid(2))
        : std::nullopt;
    if (exported) {
        const ExportReport report = exportBank(*exported);
        print(stderr, report.err);
        print(stdout, report.out);
        return report.written ? Success : Incomplete;
    }
    if (arguments.size() == 2 && (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        print(stdout, QString::fromUtf8(Usage));
        return Success;
    }
    if (arguments.size() == 2 && command == QLatin1String("--version")) {
        print(stdout, QStringLiteral("test-znalosti-banka " TZ_VERSION "\n"));
        return Success;
    }
    if (command == QLatin1String("dump") && arguments.size() == 3) {
        paradox::Table table;
        openTable(table, arguments[2]);
        const TableDump dump = dumpTable(table);
        print(stdout, dump.csv);
        for (const QString &problem : dump.problems)
            print(stderr, problem + QLatin1Char('\n'));
        return dump.problems.isEmpty() ? Success : Incomplete;
    }
    if (command == QLatin1String("check") && arguments.size() == 3) {
        paradox::Table table;
        openTable(table, arguments[2]);
        const BankCheckResult result = checkBank(table);
        print(stdout, result.report);
        if (!result.testCanBeDrawn)
            print(stderr, QStringLiteral("Z banky %1 nelze vylosovat test.\n").arg(arguments[2]));
        return result.testCanBeDrawn ? Success : Incomplete;
    }
    print(stderr, QString::fromUtf8(Usage));
    return Failure;
}

}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const AppError &error) {
        print(stderr, error.message() + QLatin1Char('\n'));
        return Failure;
    } catch (const ImportError &error) {
        // Without a file the fault lies in the groups, which the option settles.
        const QString hint = error.file().isEmpty() ? QStringLiteral(" (skupinu zvolí volba --skupina JMÉNO=SKUPINA)")
                                                    : QString();
        print(stderr, error.message() + hint + QLatin1Char('\n'));
        return Failure;
    } catch (const std::bad_alloc &) {
        // Inputs are limited in size, but the machine may still have less memory than a build needs.
        print(stderr, QStringLiteral("Nedostatek paměti; příkaz nedoběhl. Soubory se zapisují celé, nebo "
                                     "vůbec: cíl je dosavadní, nebo už nový.\n"));
        return Failure;
    }
}
