// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankCommands.h"
#include "ToolCommand.h"
#include "bankfile/ImportError.h"
#include "platform/core/AppError.h"

#include <QCoreApplication>
#include <QStringList>
#include <new>

namespace {

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

std::optional<int> help(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return std::nullopt;
    print(stdout, QString::fromUtf8(Usage));
    return Success;
}

std::optional<int> version(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return std::nullopt;
    print(stdout, QStringLiteral("test-znalosti-banka " TZ_VERSION "\n"));
    return Success;
}

// The commands by name; each takes the arguments after its name.
const std::pair<const char *, Command> Commands[] = {
    {"build", runBuild},   {"export", runExport}, {"dump", runDump},         {"check", runCheck},
    {"--help", help},      {"-h", help},          {"--version", version},
};

int run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    for (const auto &[command, handler] : Commands) {
        if (name != QLatin1String(command))
            continue;
        if (const std::optional<int> exitCode = handler(arguments.mid(2)))
            return *exitCode;
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
