// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank tool run as the user runs it: each command's output and exit code. What the commands
// compute is tested on the library (tests/bankfile).
#include "bankfile/Csv.h"
#include "common/BankBuilder.h"
#include "tools/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString shared(const QString &name)
{
    return QDir(QStringLiteral(TZ_SHARED_PARADOX_DIR)).filePath(name);
}

class SampleDump : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SampleDump, EqualsTheExpectedCsv)
{
    const QString name = QString::fromLatin1(GetParam());
    if (!QFileInfo::exists(shared(name + QStringLiteral(".expected.csv"))))
        GTEST_SKIP() << "no sample tables";
    const Outcome dump = runTestbank({QStringLiteral("dump"), shared(name + QStringLiteral(".db"))});
    ASSERT_EQ(dump.exitCode, 0) << qPrintable(dump.err);
    const QList<CsvRow> actual = Csv::parse(dump.out);
    const QList<CsvRow> expected = Csv::parse(QString::fromUtf8(readFile(shared(name + QStringLiteral(".expected.csv")))));
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(actual[r].cells.size(), expected[r].cells.size()) << "row " << r;
        for (qsizetype c = 0; c < expected[r].cells.size(); ++c) {
            if (expected[r].cells[c] != QLatin1String("*")) {
                EXPECT_EQ(actual[r].cells[c], expected[r].cells[c]) << "row " << r << " column " << c;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Testbank, SampleDump, ::testing::Values("country", "biolife", "empty"));

class TestbankTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // The dump's rows as maps from field name to value.
    static QList<QHash<QString, QString>> dumped(const Outcome &dump)
    {
        const QList<CsvRow> rows = Csv::parse(dump.out);
        QList<QHash<QString, QString>> records;
        for (qsizetype r = 1; r < rows.size(); ++r) {
            QHash<QString, QString> record;
            for (qsizetype c = 0; c < rows[0].cells.size(); ++c)
                record.insert(rows[0].cells[c], rows[r].cells.value(c));
            records.append(record);
        }
        return records;
    }

    // Runs the tool with the input limit lowered to `limit` bytes (none when empty).
    static Outcome run(const QStringList &arguments, const QString &limit = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TEST_ZNALOSTI_BANKA_LIMIT"), limit);
        return runProcess(QStringLiteral(TZ_BINARY_DIR "/test-znalosti-banka"), arguments, environment);
    }

    QTemporaryDir m_dir;
};

QString importData(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/bankfile/data/") + QString::fromUtf8(name);
}

// What `build` prints and how it ends: a bank written (0), nothing importable (1), an input
// that cannot be read or groups that do not fit (2); nothing is written unless it ends with 0.
TEST_F(TestbankTest, BuildPrintsWhatItDidAndEndsWithItsCode)
{
    const QString db = path("out.db");
    writeFile(path("pravda.gift"), "$CATEGORY: top/Fyzika\n::Pravda::Voda je H2O.{T}\n");
    writeFile(path("zla.gift"), "::Bez konce::Otázka\n\n::Druhá::Otázka {=a\n~b ~c\n");
    writeFile(path("kategorie.gift"), "$CATEGORY: a\n\nX{=a ~b ~c}\n\n$CATEGORY: b\n\nY{=a ~b ~c}\n\n$CATEGORY: c\n\n"
                                      "Z{=a ~b ~c}\n\n$CATEGORY: d\n\nW{=a ~b ~c}\n");
    writeFile(path("hodnoty.csv"), "Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n0,1,Q0,A,B,C,,3\n0,7,Q1,A,B,C,,0\n");
    writeFile(path("problemy.csv"), "Skupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp;Poznámka\nx;Q;A;B;C;A;\n1;\"a\nb\";A;B;C;B;\n"
                                    "1;Q;A;B;C;D;\n");
    writeFile(path("sipka.csv"), "Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\n1;Šipka → vpravo;A;B;C;;0\n1;Q;A;←;C;;0\n");
    // n rows all numbered 1 give n warnings, 20 of them named.
    for (const int n : {21, 22, 25})
        writeFile(path(QString("cis1-%1.csv").arg(n)), "Cis;Skupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp\n" + QByteArray("1;1;Q;A;B;C;0\n").repeated(n));
    const std::tuple<QStringList, QString, int, QStringList, QStringList> cases[] = {
        {{"--skupina", "export.xml=3", "--skupina=Chemie=3", "-s", "biologie=2", importData("export.xml"),
          importData("fyzika.txt"), importData("biologie"), importData("banka.csv")}, QString(), 0,
         {"Převedeno otázek: 10, vynecháno: 14\n", QString("Banka otázek je uložena v %1 (počet otázek: 10)\n").arg(db)},
         {QString("Vynecháno: Soubor %1, řádek 8: otázka „Které zvíře je savec?“: počet odpovědí 4, ne 3\n").arg(importData("biologie")),
          QString("Upozornění: Soubor %1, řádek 9: otázka „Hlavní město“: vložený obrázek nebo soubor vynechán\n").arg(importData("export.xml")),
          "Upozornění: Vstupů je víc, otázky jsou proto očíslovány v pořadí od 0; pole Cis ze souborů CSV se nepoužije\n"}},
        {{path("hodnoty.csv")}, QString(), 0, {"Převedeno otázek: 2, vynecháno: 0\n"},
         {QString("Upozornění: Soubor %1, řádek 3: Cis 0 se opakuje (poprvé na řádku 2)").arg(path("hodnoty.csv")),
          "Upozornění k hodnotám otázek: 4\n"}},
        {{path("problemy.csv")}, QString(), 2, {},
         {QString("Upozornění: Soubor %1, řádek 1: sloupec „Poznámka“ není pole banky").arg(path("problemy.csv")),
          QString("Soubor %1, řádek 2: Skupina „x“ není celé číslo").arg(path("problemy.csv")),
          QString("Soubor %1, řádek 4: CspravOdp „D“ neoznačuje odpověď").arg(path("problemy.csv")), "\nBanka se nezapsala.\n"}},
        {{path("pravda.gift")}, QString(), 1, {"Převedeno otázek: 0, vynecháno: 1\n"},
         {"otázka „Pravda“: pravda/nepravda\n", "Žádnou otázku nelze převést, banka se nezapsala.\n"}},
        {{importData("biologie"), path("zla.gift")}, QString(), 2, {}, {QString("Soubor %1, řádek 3: ").arg(path("zla.gift"))}},
        {{path("kategorie.gift")}, QString(), 2, {}, {"„a“, „b“, „c“, „d“ (skupinu zvolí volba --skupina JMÉNO=SKUPINA)\n"}},
        {{path("sipka.csv")}, QString(), 2, {}, {"řádek 2, pole Dotaz: znak „→“ (U+2192) na 7. místě textu",
                                                 "řádek 3, pole Odp2: znak „←“ (U+2190) na 1. místě textu", "\nBanka se nezapsala.\n"}},
        {{path("cis1-21.csv")}, QString(), 0, {}, {"očísluje\n… a další problém\nUpozornění k hodnotám otázek: 21\n"}},
        {{path("cis1-22.csv")}, QString(), 0, {}, {"\n… a další 2 problémy\nUpozornění k hodnotám otázek: 22\n"}},
        {{path("cis1-25.csv")}, QString(), 0, {}, {"\n… a dalších 5 problémů\nUpozornění k hodnotám otázek: 25\n"}},
        {{importData("export.xml")}, "200", 2, {}, {"soubor je větší než 200 B, tak velkou banku nástroj nepřevádí\n"}},
        {{"/dev/zero"}, QString(), 2, {}, {"binární data"}},
    };
    for (const auto &[inputs, limit, exitCode, out, err] : cases) {
        SCOPED_TRACE(qPrintable(inputs.join(' ')));
        writeFile(db, "old contents");
        QFile::remove(path("out-zaloha.db"));
        const Outcome build = run(QStringList{"build"} + inputs + QStringList{db}, limit);
        EXPECT_EQ(build.exitCode, exitCode) << qPrintable(build.err);
        for (const QString &line : out)
            EXPECT_TRUE(build.out.contains(line)) << qPrintable(line + " in " + build.out);
        for (const QString &line : err)
            EXPECT_TRUE(build.err.contains(line)) << qPrintable(line + " in " + build.err);
        EXPECT_EQ(readFile(db) == "old contents", exitCode != 0);
    }
}

// What `check` prints and how it ends: a test can be drawn (0), cannot (1), no table (2).
TEST_F(TestbankTest, CheckPrintsTheReportAndEndsWithItsCode)
{
    writeBank(path("mala.db"), makeBankRecords(0, 5, 5));
    writeFile(path("junk.db"), QByteArray(3000, 'x'));
    writeFile(path("cut.db"), readFile(TZ_BINARY_DIR "/test.db").left(3000));
    const std::tuple<QString, int, QString, QString> cases[] = {
        {TZ_BINARY_DIR "/test.db", 0, "Otázek v testu: 30\nVýsledek: test lze vylosovat.\n", QString()},
        {path("mala.db"), 1, "Skupina 1 nenaplní kvótu", QString("Z banky %1 nelze vylosovat test.\n").arg(path("mala.db"))},
        {path("junk.db"), 2, QString(), "není čitelná tabulka Paradox"},
        {path("none.db"), 2, QString(), "none.db"},
        // A table that holds its field names is still reported as the table it is.
        {path("cut.db"), 2, QString(), "není čitelná tabulka Paradox"},
        {shared("protected.db"), 2, QString(), "je chráněna heslem"},
    };
    for (const auto &[bank, exitCode, out, err] : cases) {
        if (!QFileInfo::exists(bank) && bank.startsWith(TZ_SHARED_PARADOX_DIR))
            continue; // no sample tables here
        const Outcome check = run({"check", bank});
        EXPECT_EQ(check.exitCode, exitCode) << qPrintable(bank);
        EXPECT_TRUE(check.out.contains(out)) << qPrintable(check.out);
        EXPECT_TRUE(err.isEmpty() ? check.err.isEmpty() : check.err.contains(err)) << qPrintable(check.err);
    }
}

// What `export` prints and how it ends: written (0), nothing to write (1), refused (2).
TEST_F(TestbankTest, ExportPrintsWhatItWroteAndEndsWithItsCode)
{
    QList<BankRecord> records = makeBankRecords(2, 1, 1);
    records[1].cspravOdp = 3;
    writeBank(path("b.db"), records);
    writeBank(path("spatna.db"), {records[1]});
    const std::tuple<QStringList, int, QString, QString> cases[] = {
        {{"--skupina", "Zeměpis=1", path("b.db"), path("b.xml")}, 0,
         QString("Vyvezeno otázek: 3, vynecháno: 1\nOtázky pro Moodle jsou uloženy v %1 (Moodle XML)\n").arg(path("b.xml")),
         "Vynecháno: záznam 2 (Cis 1): CspravOdp 3 mimo 0..2\n"},
        {{"--format", "gift", path("b.db"), path("b.out")}, 0, QString("(GIFT)\n"), "CspravOdp 3 mimo 0..2"},
        {{path("spatna.db"), path("nic.gift")}, 1, "Vyvezeno otázek: 0, vynecháno: 1\n",
         "Žádný záznam nelze vyvézt, soubor se nezapsal.\n"},
        {{path("b.db"), path("b.pdf")}, 2, QString(), "Export nezná formát výstupu „.pdf“; zvolte výstup .xml"},
        {{"-f", "csv", path("b.db"), path("x")}, 2, QString(), "; CSV zapíše příkaz dump.\n"},
        {{path("none.db"), path("x.xml")}, 2, QString(), "none.db"},
        {{"--skupina", "X=4", path("b.db"), path("x.xml")}, 2, QString(), "JMÉNO=SKUPINA se skupinou 1 až 3"},
    };
    for (const auto &[arguments, exitCode, out, err] : cases) {
        const Outcome exported = run(QStringList{"export"} + arguments);
        EXPECT_EQ(exported.exitCode, exitCode) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(exported.out.contains(out)) << qPrintable(exported.out);
        EXPECT_TRUE(exported.err.contains(err)) << qPrintable(exported.err);
    }
    EXPECT_TRUE(readFile(path("b.out")).startsWith("$CATEGORY: $course$/top/Skupina 1\n\n::0 Otázka 0::"));
    EXPECT_FALSE(QFileInfo::exists(path("nic.gift")));
}

// A dump names what it cannot decode and ends with 1; a file that is no table ends with 2.
TEST_F(TestbankTest, DumpPrintsTheTableAndEndsWithItsCode)
{
    QList<BankRecord> records = makeBankRecords(2, 1, 1);
    records[1].dotaz = QStringLiteral("Dlouhá otázka v souboru poznámek. ").repeated(20);
    writeBank(path("memo.db"), records);
    QByteArray mb = readFile(path("memo.mb"));
    mb[4096] = char(9); // the value's block is of no known type
    writeFile(path("memo.mb"), mb);
    const Outcome dump = run({"dump", path("memo.db")});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.err.startsWith("Záznam č. 2, pole Dotaz: ")) << qPrintable(dump.err);
    EXPECT_EQ(dumped(dump).value(3).value("Dotaz"), records[3].dotaz);
    writeFile(path("garbage.db"), QByteArray(100, 'x'));
    EXPECT_EQ(run({"dump", path("garbage.db")}).exitCode, 2);
    for (const QStringList &arguments : {QStringList{"dump", path("memo.db"), path("tabulka.csv")},
                                         QStringList{"dump", "--tabulkovy", path("memo.db")}}) {
        const Outcome spreadsheet = run(arguments);
        EXPECT_EQ(spreadsheet.exitCode, 1);
        const QByteArray csv = arguments.size() == 3 ? readFile(path("tabulka.csv")) : spreadsheet.out.toUtf8();
        EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" "Cis;Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\n")) << csv.left(60).constData();
    }
    EXPECT_TRUE(run({"dump", path("memo.db"), path("tabulka.csv")}).out.contains("(pro tabulkový procesor: UTF-8 s BOM"));
    // Never over a table or a memo file, by its name or through a link.
    const QByteArray table = readFile(path("memo.db"));
    QFile::link(path("memo.db"), path("odkaz.csv"));
    for (const char *output : {"memo.db", "memo.mb", "kopie.DB", "odkaz.csv"}) {
        const Outcome refused = run({"dump", path("memo.db"), path(output)});
        EXPECT_EQ(refused.exitCode, 2) << output;
        EXPECT_TRUE(refused.err.startsWith("Příkaz dump nepíše do tabulky ani do souboru poznámek")) << qPrintable(refused.err);
    }
    EXPECT_EQ(readFile(path("memo.db")), table);
    EXPECT_FALSE(QFileInfo::exists(path("kopie.DB")));
}

TEST_F(TestbankTest, HelpAndVersionGoToStandardOutput)
{
    for (const auto &[option, expected] : {std::pair{"--help", "Použití:"}, {"-h", "0;1;Jaké je hlavní město"}, {"--version", "banka 1."}}) {
        const Outcome outcome = run({option});
        EXPECT_EQ(outcome.exitCode, 0) << option;
        EXPECT_TRUE(outcome.out.contains(QString::fromUtf8(expected)) && outcome.err.isEmpty()) << qPrintable(outcome.out);
    }
}

// A wrong command line is said in one line, then where the usage is.
TEST_F(TestbankTest, AWrongCommandLineSaysWhatIsWrongInOneLine)
{
    writeFile(path("otazky.csv"), "Skupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp\n1;Q;A;B;C;A\n");
    const std::pair<QStringList, QString> cases[] = {
        {{}, "Chybí příkaz: build, check, dump, export nebo vysledky."},
        {{"biuld", "x.csv"}, "Neznámý příkaz „biuld“; příkazy jsou build, check, dump, export a vysledky."},
        {{"build"}, "Příkazu build chybí vstupní soubor (CSV, Moodle XML, GIFT nebo Aiken)."},
        {{"build", "--jine", "a.csv"}, "Příkaz build nezná volbu --jine."},
        {{"build", "a.csv", "--skupina"}, "Volbě --skupina příkazu build chybí hodnota."},
        {{"build", path("otazky.csv"), "moje"}, "Cíl „moje“ nemá příponu .db; banku zapište do souboru .db, třeba moje.db."},
        {{"check", path("otazky.csv")}, QString("Soubor %1 je banka CSV, ne tabulka .db pro příkaz check; tabulku z něj "
                                                "vytvoří test-znalosti-banka build %1").arg(path("otazky.csv"))},
        {{"dump"}, "Příkaz dump potřebuje tabulku .db, případně výstupní soubor CSV."},
        {{"--help", "x"}, "Příkaz --help takto použít nelze."},
    };
    for (const auto &[arguments, message] : cases) {
        const Outcome wrong = run(arguments);
        EXPECT_EQ(wrong.exitCode, 2);
        EXPECT_EQ(wrong.err, message + "\nNávod k použití: test-znalosti-banka --help\n");
    }
}

// The tool copied into a folder of its own, as it lies beside the installed program.
class TestbankBesideProgramTest : public TestbankTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("program")));
        ASSERT_TRUE(QFile::copy(TZ_BINARY_DIR "/test-znalosti-banka", tool()));
        writeFile(path("one.csv"), "Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,První,A,B,C,,0\n");
        writeFile(path("two.csv"), "Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,Druhá,A,B,C,,0\n");
        m_environment.insert("XDG_DATA_HOME", path("home"));
    }

    QString tool() const { return path("program/test-znalosti-banka"); }

    Outcome build(const QString &csv, const QStringList &prefix = {})
    {
        const QStringList command = prefix + QStringList{tool(), "build", path(csv)};
        return runProcess(command.first(), command.mid(1), m_environment);
    }

    QString firstQuestion(const QString &db) { return dumped(runTestbank({"dump", db})).value(0).value("Dotaz"); }

    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(TestbankBesideProgramTest, ABankAlreadyThereIsKeptAsABackup)
{
    const Outcome first = build("one.csv");
    ASSERT_EQ(first.exitCode, 0) << qPrintable(first.err);
    EXPECT_TRUE(first.out.contains(path("program/test.db"))) << qPrintable(first.out);
    EXPECT_FALSE(first.out.contains("záloha")) << qPrintable(first.out);

    const Outcome second = build("two.csv");
    ASSERT_EQ(second.exitCode, 0) << qPrintable(second.err);
    EXPECT_TRUE(second.out.contains(path("program/test-zaloha.db"))) << qPrintable(second.out);
    EXPECT_EQ(firstQuestion(path("program/test.db")), "Druhá");
    EXPECT_EQ(firstQuestion(path("program/test-zaloha.db")), "První");

    ASSERT_EQ(build("one.csv").exitCode, 0);
    EXPECT_EQ(firstQuestion(path("program/test-zaloha.db")), "První") << "an earlier backup stays";
    EXPECT_EQ(firstQuestion(path("program/test-zaloha-2.db")), "Druhá");
}

TEST_F(TestbankBesideProgramTest, AProgramFolderTheUserMayNotWriteSendsTheBankToTheUsersFolder)
{
    const QStringList withoutRootsRights = {"setpriv", "--bounding-set=-dac_override,-dac_read_search"};
    if (QStandardPaths::findExecutable("setpriv").isEmpty())
        GTEST_SKIP() << "no setpriv";
    writeFile(path("program/test.db"), "bundled");
    ASSERT_TRUE(QFile::setPermissions(path("program"), QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther));
    const Outcome result = build("one.csv", withoutRootsRights);
    QFile::setPermissions(path("program"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(result.exitCode, 0) << qPrintable(result.err);
    const QString own = path("home/test-znalosti/test.db");
    EXPECT_TRUE(result.out.contains(own)) << qPrintable(result.out);
    EXPECT_EQ(firstQuestion(own), "První");
    EXPECT_EQ(readFile(path("program/test.db")), "bundled");
}

}
