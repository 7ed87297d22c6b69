// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank tool: build, dump and check, run as the user runs them.
#include "common/BankBuilder.h"
#include "import/QStringPrinter.h"
#include "paradox/TableWriter.h"
#include "paradox/TextCodec.h"
#include "tools/Csv.h"
#include "tools/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringEncoder>
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

    Outcome check(const QList<BankRecord> &records)
    {
        writeBank(path(QStringLiteral("check.db")), records);
        return runTestbank({QStringLiteral("check"), path(QStringLiteral("check.db"))});
    }

    QTemporaryDir m_dir;
};

TEST_F(TestbankTest, BuildThenDumpGivesBackEveryText)
{
    const QString longText = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy, \"citát\" a čárka; ").repeated(8);
    ASSERT_GT(longText.toUtf8().size(), 255);
    const QStringList texts = {QStringLiteral("Která řeka protéká Brnem?"), QStringLiteral("Svratka"),
                               QStringLiteral("Vltava, Labe"), QStringLiteral("řádek 1\nřádek 2"), longText};
    QString csv = QStringLiteral("\xFEFF" "skupina,CIS,Dotaz,odp1,Odp2,Odp3,Komentar,CspravOdp\r\n");
    csv += QStringLiteral("1,0,%1,%2,%3,%4,%5,2\r\n").arg(QString(Csv::formatRow({texts[0]})).trimmed(),
                                                         texts[1], Csv::formatRow({texts[2]}).trimmed(),
                                                         Csv::formatRow({texts[3]}).trimmed(),
                                                         Csv::formatRow({texts[4]}).trimmed());
    csv += QStringLiteral("3,1,Krátká,A,B,C,,0\n");
    writeFile(path(QStringLiteral("bank.csv")), csv.toUtf8());

    const Outcome build = runTestbank({QStringLiteral("build"), path(QStringLiteral("bank.csv")), path(QStringLiteral("b.db"))});
    ASSERT_EQ(build.exitCode, 0) << qPrintable(build.err);
    const Outcome dump = runTestbank({QStringLiteral("dump"), path(QStringLiteral("b.db"))});
    ASSERT_EQ(dump.exitCode, 0) << qPrintable(dump.err);
    const auto records = dumped(dump);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0][QStringLiteral("Cis")], QStringLiteral("0"));
    EXPECT_EQ(records[0][QStringLiteral("Skupina")], QStringLiteral("1"));
    EXPECT_EQ(records[0][QStringLiteral("Dotaz")], texts[0]);
    EXPECT_EQ(records[0][QStringLiteral("Odp1")], texts[1]);
    EXPECT_EQ(records[0][QStringLiteral("Odp2")], texts[2]);
    EXPECT_EQ(records[0][QStringLiteral("Odp3")], texts[3]);
    EXPECT_EQ(records[0][QStringLiteral("Komentar")], texts[4]);
    EXPECT_EQ(records[0][QStringLiteral("CspravOdp")], QStringLiteral("2"));
    EXPECT_EQ(records[1][QStringLiteral("Komentar")], QString());
    EXPECT_EQ(records[1][QStringLiteral("Skupina")], QStringLiteral("3"));
}

TEST_F(TestbankTest, BadRowIsReportedWithItsLineAndNothingIsWritten)
{
    const QByteArray header = "Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n";
    const QByteArray good = "0,1,Otázka,A,B,C,K,0\n";
    const QList<std::pair<QByteArray, QString>> cases = {
        {header + good + "x,1,Q,A,B,C,K,0\n", QStringLiteral("řádek 3")},
        {header + good + good + "1,1,Q,A,B,C,K,1.5\n", QStringLiteral("řádek 4")},
        {header + "1,1,Q,A,B,C,K\n", QStringLiteral("řádek 2")},
        {header + "1,1,\"Q\nnový řádek,A,B,C,K,0\n", QStringLiteral("řádek 2")},
        {header + good + "1,1,Жук,A,B,C,K,0\n", QStringLiteral("řádek 3")},
        {header + "1,1,Q,A,B,C,K,-2147483648\n", QStringLiteral("řádek 2")},
        {header + good + "1,1,\x81\x28,A,B,C,K,0\n", QStringLiteral("řádek 3")},
        {"Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar\n" + good, QStringLiteral("CspravOdp")},
        {"Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp,Body\n", QStringLiteral("Body")},
        {"Cis,cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n", QStringLiteral("dvakrát")},
        {QByteArray(), QStringLiteral("prázdný")},
    };
    const QString db = path(QStringLiteral("out.db"));
    writeFile(db, "old contents");
    for (const auto &[csv, expected] : cases) {
        writeFile(path(QStringLiteral("bad.csv")), csv);
        const Outcome build = runTestbank({QStringLiteral("build"), path(QStringLiteral("bad.csv")), db});
        EXPECT_EQ(build.exitCode, 2) << csv.constData();
        EXPECT_TRUE(build.err.contains(expected)) << csv.constData() << " → " << qPrintable(build.err);
        EXPECT_EQ(readFile(db), QByteArray("old contents"));
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("out.mb"))));
    }
}

TEST_F(TestbankTest, SampleBankGivesFullTests)
{
    const QString sample = QStringLiteral(TZ_BINARY_DIR "/test.db");
    ASSERT_TRUE(QFileInfo::exists(sample)) << "the build makes test.db";
    const Outcome result = runTestbank({QStringLiteral("check"), sample});
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.out + result.err);
    EXPECT_TRUE(result.out.contains(QStringLiteral("Otázek v testu: 30\n"))) << qPrintable(result.out);
    EXPECT_FALSE(result.out.contains(QStringLiteral("nelze nikdy vylosovat")));
    EXPECT_FALSE(result.out.contains(QStringLiteral("mimo 0..2")));
    EXPECT_FALSE(result.out.contains(QStringLiteral("Prázdný text")));
}

TEST_F(TestbankTest, CheckReportsCountsPercentagesAndQuotas)
{
    const Outcome result = check(makeBankRecords(50, 40, 30));
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.err);
    EXPECT_TRUE(result.out.contains(QStringLiteral("Záznamů: 120")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Skupina 1: 50 záznamů, 42 %, kvóta 12")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Skupina 2: 40 záznamů, 33 %, kvóta 10")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Skupina 3: 30 záznamů, 25 %, kvóta 8")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("Otázek v testu: 30")));
}

TEST_F(TestbankTest, CheckFailsWhenAGroupCannotFillItsQuota)
{
    const Outcome emptyGroup = check(makeBankRecords(0, 5, 5));
    EXPECT_EQ(emptyGroup.exitCode, 1);
    EXPECT_TRUE(emptyGroup.out.contains(QStringLiteral("Skupina 1 nenaplní kvótu"))) << qPrintable(emptyGroup.out);
    EXPECT_FALSE(emptyGroup.err.isEmpty());

    const Outcome others = check(makeBankRecords(10, 10, 10, 10));
    EXPECT_EQ(others.exitCode, 1);
    EXPECT_TRUE(others.out.contains(QStringLiteral("potřebuje 14 otázek, vylosovat lze 10"))) << qPrintable(others.out);

    // A negative quota asks nothing of its group.
    EXPECT_EQ(check(makeBankRecords(0, 4, 4)).exitCode, 0);
}

TEST_F(TestbankTest, CheckFailsForABankTooSmallForOneQuestion)
{
    const Outcome tooSmall = check(makeBankRecords(2, 2, 1));
    EXPECT_EQ(tooSmall.exitCode, 1);
    EXPECT_TRUE(tooSmall.out.contains(QStringLiteral("aspoň 6"))) << qPrintable(tooSmall.out);
    EXPECT_EQ(check(makeBankRecords(2, 2, 2)).exitCode, 0);
    EXPECT_EQ(check({}).exitCode, 1);
}

TEST_F(TestbankTest, CheckFindsNumberingProblems)
{
    QList<BankRecord> records = makeBankRecords(12, 12, 12);
    records[5].cis = 1000; // never drawn; 5 then leads to the last record
    records[7].cis = 8;    // 7 leads to the last record; record 9 also has 8, so it is never drawn
    const Outcome result = check(records);
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.out);
    EXPECT_TRUE(result.out.contains(QStringLiteral("nelze nikdy vylosovat: záznam 6 (Cis 1000), záznam 9 (Cis 8)")))
        << qPrintable(result.out);
    EXPECT_TRUE(result.out.contains(QStringLiteral("vícekrát): 5, 7"))) << qPrintable(result.out);
}

TEST_F(TestbankTest, CheckFindsBadAnswersAndEmptyTexts)
{
    QList<BankRecord> records = makeBankRecords(12, 12, 12);
    records[2].cspravOdp = 3;
    records[4].cspravOdp = -1;
    records[6].odp2 = QStringLiteral("  ");
    records[8].dotaz.clear();
    const Outcome result = check(records);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains(QStringLiteral("CspravOdp mimo 0..2: záznam 3 (Cis 2): 3, záznam 5 (Cis 4): -1")))
        << qPrintable(result.out);
    EXPECT_TRUE(result.out.contains(QStringLiteral("záznam 7 (Cis 6): Odp2")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("záznam 9 (Cis 8): Dotaz")));
}

TEST_F(TestbankTest, CheckFailsForMissingFieldsOrValuesThatAreNoNumbers)
{
    paradox::TableWriter noComment({{QStringLiteral("Cis"), paradox::FieldType::Long, 4},
                           {QStringLiteral("Skupina"), paradox::FieldType::Long, 4},
                           {QStringLiteral("Dotaz"), paradox::FieldType::Alpha, 20}});
    noComment.write(path(QStringLiteral("fields.db")));
    const Outcome missing = runTestbank({QStringLiteral("check"), path(QStringLiteral("fields.db"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains(QStringLiteral("Chybějící pole: Odp1, Odp2, Odp3, Komentar, CspravOdp")))
        << qPrintable(missing.out);

    QList<paradox::FieldDef> fields;
    for (const char *name : {"Cis", "Skupina", "Dotaz", "Odp1", "Odp2", "Odp3", "Komentar", "CspravOdp"})
        fields.append({QString::fromLatin1(name), paradox::FieldType::Alpha, 10});
    paradox::TableWriter texts(fields);
    for (int i = 0; i < 8; ++i)
        texts.addRecord({i == 3 ? QStringLiteral("tři") : QString::number(i), QStringLiteral("1"), QStringLiteral("Q"),
                         QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QString(), QStringLiteral("0")});
    texts.write(path(QStringLiteral("texts.db")));
    const Outcome notANumber = runTestbank({QStringLiteral("check"), path(QStringLiteral("texts.db"))});
    EXPECT_EQ(notANumber.exitCode, 1);
    EXPECT_TRUE(notANumber.out.contains(QStringLiteral("záznam 4:"))) << qPrintable(notANumber.out);
    EXPECT_TRUE(notANumber.out.contains(QStringLiteral("„tři“"))) << qPrintable(notANumber.out);
}

TEST_F(TestbankTest, UnreadableFileOrBadUsageExitsWith2)
{
    writeFile(path(QStringLiteral("junk.db")), QByteArray(3000, 'x'));
    for (const QString &command : {QStringLiteral("check"), QStringLiteral("dump")}) {
        const Outcome junk = runTestbank({command, path(QStringLiteral("junk.db"))});
        EXPECT_EQ(junk.exitCode, 2);
        EXPECT_TRUE(junk.err.contains(QStringLiteral("junk.db"))) << qPrintable(junk.err);
        EXPECT_TRUE(junk.err.contains(QStringLiteral("není čitelná tabulka Paradox"))) << qPrintable(junk.err);
        EXPECT_EQ(runTestbank({command, path(QStringLiteral("none.db"))}).exitCode, 2);
    }
    for (const QStringList &arguments : {QStringList(), QStringList{QStringLiteral("verify"), QStringLiteral("x.db")},
                                          QStringList{QStringLiteral("build")},
                                          QStringList{QStringLiteral("build"), QStringLiteral("--skupina")},
                                          QStringList{QStringLiteral("build"), QStringLiteral("--jine"), QStringLiteral("a.csv")},
                                          QStringList{QStringLiteral("dump")}}) {
        const Outcome usage = runTestbank(arguments);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_TRUE(usage.err.contains(QStringLiteral("Použití"))) << qPrintable(usage.err);
    }
}

// A spreadsheet's CSV: each separator with each encoding and line end gives the same bank.
enum class CsvEncoding { Utf8, Windows1250, Utf16Le };

struct SpreadsheetCsv
{
    const char *name;
    char separator;
    CsvEncoding encoding;
    bool byteOrderMark;
    const char *lineEnd;
};

class TestbankSpreadsheetTest : public TestbankTest, public ::testing::WithParamInterface<SpreadsheetCsv>
{
};

TEST_P(TestbankSpreadsheetTest, BuildsTheSameBankFromEveryForm)
{
    const SpreadsheetCsv form = GetParam();
    const QString sep(QLatin1Char(form.separator));
    const QString end = QString::fromLatin1(form.lineEnd);
    const QStringList header = {"Cis", "Skupina", "Dotaz", "Odp1", "Odp2", "Odp3", "Komentar", "CspravOdp"};
    const QStringList row = {"0", "2", "Kolik je 1,5 + 1,5?", "3", "2; nebo 4", "žádná", "Čeština: „ůěščřžýáíé“", "0"};
    QString text = header.join(sep) + end + row.join(sep).replace("Kolik je 1,5 + 1,5?", "\"Kolik je 1,5 + 1,5?\"")
                                               .replace("2; nebo 4", "\"2; nebo 4\"")
        + end;
    QByteArray bytes = form.encoding == CsvEncoding::Windows1250 ? *paradox::TextCodec(1250).encode(text) : text.toUtf8();
    if (form.encoding == CsvEncoding::Utf16Le)
        bytes = QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text);
    else if (form.byteOrderMark)
        bytes.prepend("\xEF\xBB\xBF");
    writeFile(path("bank.csv"), bytes);

    const Outcome build = runTestbank({"build", path("bank.csv"), path("b.db")});
    ASSERT_EQ(build.exitCode, 0) << qPrintable(build.err);
    const auto records = dumped(runTestbank({"dump", path("b.db")}));
    ASSERT_EQ(records.size(), 1);
    for (qsizetype f = 0; f < header.size(); ++f)
        EXPECT_EQ(records[0][header[f]], row[f]) << qPrintable(header[f]);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TestbankSpreadsheetTest,
    ::testing::Values(SpreadsheetCsv{"SemicolonWindows1250Crlf", ';', CsvEncoding::Windows1250, false, "\r\n"},
                      SpreadsheetCsv{"SemicolonUtf8BomCrlf", ';', CsvEncoding::Utf8, true, "\r\n"},
                      SpreadsheetCsv{"TabUtf8Lf", '\t', CsvEncoding::Utf8, false, "\n"},
                      SpreadsheetCsv{"CommaUtf8BomLf", ',', CsvEncoding::Utf8, true, "\n"},
                      SpreadsheetCsv{"TabUtf16LeBomCrlf", '\t', CsvEncoding::Utf16Le, true, "\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

// A CSV cell is named by its line and field, a GIFT answer also by its question.
TEST_F(TestbankTest, ACharacterTheBankCannotStoreIsNamedWithItsPlace)
{
    writeFile(path("bank.csv"), "Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\n"
                                "1;Otázka;A;B;C;;0\n"
                                "1;Otázka;A;Šipka → vpravo;C;;0\n");
    writeFile(path("sipky.gift"), "::První::Kam?{=vlevo ~vpravo ~nahoru}\n\n::Šipka::Kam ukazuje?{\n=vlevo\n~→ vpravo\n~nahoru\n}\n");
    const QList<std::pair<QString, QStringList>> cases = {
        {path("bank.csv"),
         {QDir::toNativeSeparators(path("bank.csv")), "řádek 3", "pole Odp2", "„→“", "U+2192", "na 7. místě"}},
        {path("sipky.gift"),
         {QString("Soubor %1, řádek 3, otázka „Šipka“, pole Odp2: znak „→“ (U+2192)").arg(path("sipky.gift"))}},
    };
    for (const auto &[input, parts] : cases) {
        const Outcome build = runTestbank({"build", input, path("b.db")});
        EXPECT_EQ(build.exitCode, 2) << qPrintable(input);
        for (const QString &part : parts)
            EXPECT_TRUE(build.err.contains(part)) << qPrintable(part) << " in " << qPrintable(build.err);
        EXPECT_FALSE(QFileInfo::exists(path("b.db")));
    }
}

// A single CSV's numbers and groups are its own; without a Cis column the rows are numbered in order.
TEST_F(TestbankTest, ASingleCsvKeepsItsNumbersAndGroupsOrIsNumberedInOrder)
{
    const QList<std::pair<QByteArray, QStringList>> cases = {
        {"Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,P,A,B,C,,0\n2,D,A,B,C,,1\n", {"0|1|P", "1|2|D"}},
        {"Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n7,0,P,A,B,C,,0\n3,2,D,A,B,C,,1\n", {"7|0|P", "3|2|D"}},
    };
    for (const auto &[csv, expected] : cases) {
        writeFile(path("bank.csv"), csv);
        ASSERT_EQ(runTestbank({"build", path("bank.csv"), path("b.db")}).exitCode, 0);
        QStringList rows;
        for (const auto &record : dumped(runTestbank({"dump", path("b.db")})))
            rows.append(QStringList{record["Cis"], record["Skupina"], record["Dotaz"]}.join('|'));
        EXPECT_EQ(rows, expected);
    }
}

QString importData(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/bankfile/data/") + QString::fromUtf8(name);
}

// Moodle XML, GIFT, Aiken and CSV into one bank, groups chosen for a category and for files.
TEST_F(TestbankTest, BuildsOneBankFromMoodleExportsAndCsv)
{
    const Outcome build = runTestbank({"build", "--skupina", "export.xml=3", "--skupina=Chemie=3", "-s", "biologie=2",
                                       importData("export.xml"), importData("fyzika.txt"), importData("biologie"),
                                       importData("banka.csv"), path("b.db")});
    ASSERT_EQ(build.exitCode, 0) << qPrintable(build.err);
    EXPECT_TRUE(build.out.contains("Převedeno otázek: 10, vynecháno: 14\n")) << qPrintable(build.out);
    EXPECT_TRUE(build.out.contains(path("b.db"))) << qPrintable(build.out);
    for (const QString &line :
         {QString("Vynecháno: Soubor %1, řádek 52: otázka „Karel IV.“: typ otázky pravda/nepravda").arg(importData("export.xml")),
          QString("Vynecháno: Soubor %1, řádek 38: otázka „Dílčí“: dílčí hodnocení odpovědi (50 %)").arg(importData("fyzika.txt")),
          QString("Vynecháno: Soubor %1, řádek 8: otázka „Které zvíře je savec?“: počet odpovědí 4, ne 3").arg(importData("biologie")),
          QString("Upozornění: Soubor %1, řádek 9: otázka „Hlavní město“: vložený obrázek").arg(importData("export.xml")),
          QString("pole Cis ze souborů CSV se nepoužije")})
        EXPECT_TRUE(build.err.contains(line)) << qPrintable(line) << " in " << qPrintable(build.err);
    EXPECT_EQ(build.err.count("Vynecháno: "), 14);

    const auto records = dumped(runTestbank({"dump", path("b.db")}));
    QStringList rows;
    for (const auto &record : records)
        rows.append(QStringList{record["Cis"], record["Skupina"], record["Dotaz"].left(20), record["CspravOdp"]}.join('|'));
    EXPECT_EQ(rows, (QStringList{"0|3|Které město je hlavn|1", "1|3|Která řeka teče Prah|0", "2|3|V kterém roce byla z|0",
                                 "3|1|Jaká je jednotka síl|1", "4|1|Těleso jede rychlost|0", "5|1|Který znak zapisuje |0",
                                 "6|1|Voda vře při _____ s|0", "7|3|Chemická značka sodí|0", "8|2|Kolik nohou\nmá pavou|1",
                                 "9|3|Kolik je 1+1?|1"}));
    ASSERT_EQ(records.size(), 10);
    EXPECT_EQ(records[0]["Komentar"], "Praha je metropole & sídlo vlády.");
    EXPECT_EQ(records[4]["Odp3"], "1,5 m");
}

TEST_F(TestbankTest, NothingImportableWritesNothingAndExitsWith1)
{
    const QString db = path("out.db");
    writeFile(db, "old contents");
    writeFile(path("pravda.gift"), "$CATEGORY: top/Fyzika\n::Pravda::Voda je H2O.{T}\n");
    writeFile(path("hlavicka.csv"), "Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\n");
    const Outcome skipped = runTestbank({"build", path("pravda.gift"), path("hlavicka.csv"), db});
    EXPECT_EQ(skipped.exitCode, 1);
    EXPECT_TRUE(skipped.out.contains("Převedeno otázek: 0, vynecháno: 1")) << qPrintable(skipped.out);
    EXPECT_TRUE(skipped.err.contains("otázka „Pravda“: pravda/nepravda")) << qPrintable(skipped.err);
    EXPECT_TRUE(skipped.err.contains("nezapsala")) << qPrintable(skipped.err);
    EXPECT_EQ(readFile(db), QByteArray("old contents"));
    EXPECT_FALSE(QFileInfo::exists(path("out.mb")));
    EXPECT_FALSE(QFileInfo::exists(path("out-zaloha.db")));
}

// An input that cannot be read, even after good ones, or groups that do not fit.
TEST_F(TestbankTest, AnInputThatCannotBeParsedIsNamedWithItsLineAndNothingIsWritten)
{
    const QString db = path("out.db");
    writeFile(db, "old contents");
    writeFile(path("dobra.gift"), "Otázka {=a ~b ~c}\n");
    writeFile(path("zla.gift"), "::Bez konce::Otázka\n\n::Druhá::Otázka {=a\n~b ~c\n");
    writeFile(path("zle.xml"), "<quiz>\n<question type=\"multichoice\">\n</quiz>\n");
    writeFile(path("prosty.txt"), "jen text\n");
    writeFile(path("kategorie.gift"), "$CATEGORY: a\n\nX{=a ~b ~c}\n\n$CATEGORY: b\n\nY{=a ~b ~c}\n\n$CATEGORY: c\n\n"
                                      "Z{=a ~b ~c}\n\n$CATEGORY: d\n\nW{=a ~b ~c}\n");
    const QList<std::pair<QStringList, QString>> cases = {
        {{path("dobra.gift"), path("zla.gift")}, QString("Soubor %1, řádek 3: ").arg(path("zla.gift"))},
        {{path("zle.xml")}, QString("Soubor %1, řádek 3: chybné XML").arg(path("zle.xml"))},
        {{path("dobra.gift"), path("prosty.txt")}, QString("Soubor %1: obsah není banka CSV").arg(path("prosty.txt"))},
        {{path("kategorie.gift")}, QString("„a“, „b“, „c“, „d“ (skupinu zvolí volba --skupina")},
        {{"--skupina", "Zemepis=2", path("dobra.gift")}, QString("Skupina pro „Zemepis“")},
    };
    for (const auto &[inputs, expected] : cases) {
        const Outcome build = runTestbank(QStringList{"build"} + inputs + QStringList{db});
        EXPECT_EQ(build.exitCode, 2) << qPrintable(inputs.join(' '));
        EXPECT_TRUE(build.err.contains(expected)) << qPrintable(expected) << " in " << qPrintable(build.err);
        EXPECT_EQ(readFile(db), QByteArray("old contents"));
        EXPECT_FALSE(QFileInfo::exists(path("out.mb")));
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

TEST_F(TestbankTest, DumpLeavesAnUndecodableValueEmptyAndNamesIt)
{
    QList<BankRecord> records = makeBankRecords(2, 1, 1);
    records[1].dotaz = QStringLiteral("Dlouhá otázka v souboru poznámek. ").repeated(20);
    writeBank(path(QStringLiteral("memo.db")), records);
    QByteArray mb = readFile(path(QStringLiteral("memo.mb")));
    ASSERT_GT(mb.size(), 4096);
    mb[4096] = char(9); // the value's block is of no known type
    writeFile(path(QStringLiteral("memo.mb")), mb);

    const Outcome dump = runTestbank({QStringLiteral("dump"), path(QStringLiteral("memo.db"))});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.err.contains(QStringLiteral("Záznam č. 2, pole Dotaz"))) << qPrintable(dump.err);
    EXPECT_EQ(dump.err.count(QLatin1Char('\n')), 1) << qPrintable(dump.err);
    const auto rows = dumped(dump);
    ASSERT_EQ(rows.size(), records.size());
    EXPECT_EQ(rows[1].value(QStringLiteral("Dotaz")), QString());
    EXPECT_EQ(rows[1].value(QStringLiteral("Odp1")), records[1].odp1);
    EXPECT_EQ(rows[3].value(QStringLiteral("Dotaz")), records[3].dotaz);

    writeFile(path(QStringLiteral("garbage.db")), QByteArray(100, 'x'));
    EXPECT_EQ(runTestbank({QStringLiteral("dump"), path(QStringLiteral("garbage.db"))}).exitCode, 2);
}

TEST_F(TestbankTest, HelpAndVersionGoToStandardOutput)
{
    for (const auto &[option, expected] : {std::pair{"--help", "Použití:"}, {"-h", "banka export"}, {"--version", "banka 1."}}) {
        const Outcome outcome = runTestbank({option});
        EXPECT_EQ(outcome.exitCode, 0) << option;
        EXPECT_TRUE(outcome.out.contains(QString::fromUtf8(expected)) && outcome.err.isEmpty()) << qPrintable(outcome.out);
    }
}

// Counts take their Czech plural form; a bank too small for a question prints no negative count.
TEST_F(TestbankTest, CheckCountsInCzechFormsAndNeverBelowZero)
{
    const std::tuple<QList<BankRecord>, int, QStringList> cases[] = {
        {makeBankRecords(1, 4, 22), 0, {"Skupina 1: 1 záznam, ", "Skupina 2: 4 záznamy, ", "Skupina 3: 22 záznamů, "}},
        {makeBankRecords(1, 1, 1), 1, {"Otázek v testu: 0"}},
    };
    for (const auto &[records, exitCode, lines] : cases) {
        const Outcome result = check(records);
        EXPECT_EQ(result.exitCode, exitCode) << qPrintable(result.out);
        for (const QString &line : lines)
            EXPECT_TRUE(result.out.contains(line)) << qPrintable(line + " in " + result.out);
        EXPECT_FALSE(result.out.contains(QRegularExpression(QStringLiteral("-\\d")))) << qPrintable(result.out);
    }
}

// Binary data is refused on its first bytes; the size limit, lowered here, before reading more.
TEST_F(TestbankTest, BinaryOrOversizedInputIsRefusedAndNothingIsWritten)
{
    const QByteArray question = "::Q::Otázka?{=a ~b ~c}\n\n";
    writeFile(path("velka.gift"), question.repeated(20));
    writeFile(path("mala.gift"), question);
    const QList<std::tuple<QString, QString, int, QString>> cases = {
        {"/dev/zero", QString(), 2, "binární data"},
        {path("velka.gift"), "200", 2, "větší než 200 B"},
        {path("mala.gift"), "200", 0, QString()},
        {path("velka.gift"), "999999999999", 0, QString()},
    };
    for (const auto &[input, limit, exitCode, message] : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TEST_ZNALOSTI_BANKA_LIMIT", limit);
        const Outcome build = runProcess(TZ_BINARY_DIR "/test-znalosti-banka", {"build", input, path("b.db")}, environment);
        EXPECT_EQ(build.exitCode, exitCode) << qPrintable(input + " " + build.err);
        EXPECT_TRUE(build.err.contains(message)) << qPrintable(build.err);
        EXPECT_EQ(QFileInfo::exists(path("b.db")), exitCode == 0);
        QFile::remove(path("b.db"));
        QFile::remove(path("b.mb"));
    }
}

// A bank with every character special to XML or GIFT, long texts, line breaks and Czech letters.
QList<BankRecord> specialRecords()
{
    QList<BankRecord> records = makeBankRecords(3, 3, 3);
    records[0].dotaz = "Co je <b>&amp;</b> a \"uvozovky\" či 'apostrof'?\nDruhý řádek: {x} ~ = # \\ // :: -> [html]";
    records[1].odp1 = "[markdown] *ne* ~a {b}";
    records[2].komentar = QString("Příliš žluťoučký kůň úpěl ďábelské ódy. ").repeated(40).trimmed();
    records[3].odp3 = "řádek 1\n\nřádek 3\t<tab>";
    records[4].dotaz = "$CATEGORY: nic\n// není komentář";
    records[5].komentar.clear();
    return records;
}

// Export then build gives back the sample bank, special texts, and a bank of groups 2 and 3 only.
TEST_F(TestbankTest, ExportThenBuildGivesBackTheSameBank)
{
    writeBank(path("zvlastni.db"), specialRecords());
    writeBank(path("skupiny23.db"), makeBankRecords(0, 4, 2));
    for (const QString &bank : {QString(TZ_BINARY_DIR "/test.db"), path("zvlastni.db"), path("skupiny23.db")}) {
        for (const QString &exported : {path("moodle.xml"), path("moodle.gift"), path("moodle.txt")}) {
            SCOPED_TRACE(qPrintable(bank + " → " + exported));
            const Outcome exportRun = runTestbank({"export", bank, exported});
            ASSERT_EQ(exportRun.exitCode, 0) << qPrintable(exportRun.err);
            EXPECT_EQ(exportRun.err, QString());
            const Outcome build = runTestbank({"build", exported, path("zpet.db")});
            ASSERT_EQ(build.exitCode, 0) << qPrintable(build.err);
            EXPECT_EQ(build.err, QString());
            const auto original = dumped(runTestbank({"dump", bank}));
            ASSERT_FALSE(original.isEmpty());
            EXPECT_EQ(dumped(runTestbank({"dump", path("zpet.db")})), original);
        }
    }
}

// What Moodle's import asks of a multiple-choice question, and the records it could not take.
TEST_F(TestbankTest, ExportWritesSingleAnswerQuestionsAndListsWhatMoodleCannotTake)
{
    QList<BankRecord> records = makeBankRecords(2, 1, 1);
    records[1].cspravOdp = 3;
    records[2].odp2 = " ";
    records[3].dotaz = QString("řídicí\x01znak");
    records[0].odp2 = "řádky\r\nz Windows";
    writeBank(path("b.db"), records);
    const Outcome xml = runTestbank({"export", "--skupina", "Zeměpis=1", path("b.db"), path("b.xml")});
    ASSERT_EQ(xml.exitCode, 0) << qPrintable(xml.err);
    EXPECT_TRUE(xml.out.contains("Vyvezeno otázek: 1, vynecháno: 3")) << qPrintable(xml.out);
    EXPECT_EQ(xml.err, "Vynecháno: záznam 2 (Cis 1): CspravOdp 3 mimo 0..2\n"
                       "Vynecháno: záznam 3 (Cis 2): prázdné pole Odp2\n"
                       "Vynecháno: záznam 4 (Cis 3): pole Dotaz obsahuje řídicí znak, který soubor pro Moodle nepřenese\n");
    const QString written = QString::fromUtf8(readFile(path("b.xml")));
    for (const char *part : {"<text>$course$/top/Zeměpis</text>", "<text>0 Otázka 0</text>", "<single>true</single>",
                             "<shuffleanswers>0</shuffleanswers>", "<answernumbering>abc</answernumbering>",
                             "<text>řádky\nz Windows</text>",
                             "<answer fraction=\"100\" format=\"plain_text\">\n            <text>Odpověď A 0</text>",
                             "<generalfeedback format=\"plain_text\">\n            <text>Komentář 0</text>"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(part))) << part << " in " << qPrintable(written);
    EXPECT_EQ(written.count("<question type=\"multichoice\">"), 1);

    ASSERT_EQ(runTestbank({"export", "--format", "gift", path("b.db"), path("b.out")}).exitCode, 0);
    EXPECT_TRUE(readFile(path("b.out")).startsWith("$CATEGORY: $course$/top/Skupina 1\n\n::0 Otázka 0::"));

    writeBank(path("spatna.db"), {records[1], records[2]});
    const Outcome nothing = runTestbank({"export", path("spatna.db"), path("nic.gift")});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_TRUE(nothing.err.contains("nezapsal")) << qPrintable(nothing.err);
    EXPECT_FALSE(QFileInfo::exists(path("nic.gift")));

    for (const QStringList &arguments : {QStringList{path("b.db"), path("b.pdf")}, QStringList{"-f", "csv", path("b.db"), "x"},
                                          QStringList{path("none.db"), path("x.xml")},
                                          QStringList{"--skupina", "X=4", path("b.db"), path("x.xml")}})
        EXPECT_EQ(runTestbank(QStringList{"export"} + arguments).exitCode, 2) << qPrintable(arguments.join(' '));
}

}
