#include "BankCheck.h"
#include "BankImport.h"
#include "TableDump.h"
#include "platform/AppError.h"
#include "paradox/Table.h"
#include "platform/ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

// Incomplete: no test can be drawn from the bank, or a value of the table could not be read.
enum ExitCode { Success = 0, Incomplete = 1, Failure = 2 };

const char kUsage[] =
    "Použití:\n"
    "  test-znalosti-banka build BANKA.csv             vytvoří banku otázek z CSV tam, kde ji\n"
    "                                                  program čte, a vypíše její cestu\n"
    "  test-znalosti-banka build BANKA.csv TABULKA.db  vytvoří banku otázek z CSV do souboru\n"
    "  test-znalosti-banka dump TABULKA.db             vypíše všechny záznamy tabulky jako CSV\n"
    "  test-znalosti-banka check TABULKA.db            ověří, co program z banky otázek vylosuje\n"
    "CSV: oddělovač čárka, středník nebo tabulátor; kódování UTF-8 nebo Windows-1250.\n"
    "Banka, která už v cíli je, se zachová jako záloha vedle nové.\n";

void Print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// Where the program installed beside this tool reads a bank of this user's.
QString ProgramBankPath()
{
    const QString programDirectory = ProgramLocation::Directory();
    if (!ProgramLocation::CreateDataDirectory(programDirectory))
        throw AppError(QStringLiteral("Složku %1 nelze vytvořit.")
                           .arg(QDir::toNativeSeparators(ProgramLocation::DataDirectory(programDirectory))));
    return ProgramLocation::UserBankPath(programDirectory);
}

void OpenTable(paradox::Table &table, const QString &path)
{
    table.setTableName(path);
    table.open();
}

int Run(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    if (command == QLatin1String("build") && (arguments.size() == 3 || arguments.size() == 4)) {
        Print(stdout, ImportBank(arguments[2], arguments.size() == 4 ? arguments[3] : ProgramBankPath()));
        return Success;
    }
    if (command == QLatin1String("dump") && arguments.size() == 3) {
        paradox::Table table;
        OpenTable(table, arguments[2]);
        const TableDump dump = DumpTable(table);
        Print(stdout, dump.csv);
        for (const QString &problem : dump.problems)
            Print(stderr, problem + QLatin1Char('\n'));
        return dump.problems.isEmpty() ? Success : Incomplete;
    }
    if (command == QLatin1String("check") && arguments.size() == 3) {
        paradox::Table table;
        OpenTable(table, arguments[2]);
        const BankCheckResult result = CheckBank(table);
        Print(stdout, result.report);
        if (!result.testCanBeDrawn)
            Print(stderr, QStringLiteral("Z banky %1 nelze vylosovat test.\n").arg(arguments[2]));
        return result.testCanBeDrawn ? Success : Incomplete;
    }
    Print(stderr, QString::fromUtf8(kUsage));
    return Failure;
}

}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    try {
        return Run(QCoreApplication::arguments());
    } catch (const AppError &error) {
        Print(stderr, error.message() + QLatin1Char('\n'));
        return Failure;
    }
}
