// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What `build` makes of its inputs before it writes: CSV as spreadsheets save it, numbers and
// groups, the warnings of values and the texts the bank cannot store.
#include "QStringPrinter.h"
#include "bankfile/BankCheck.h"
#include "bankfile/BankFile.h"
#include "bankfile/BankImport.h"
#include "bankfile/FindingText.h"
#include "bankfile/ImportError.h"
#include "paradox/TextCodec.h"

#include <QBuffer>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

BankContent imported(QByteArray bytes, const ImportOptions &options = {})
{
    QBuffer buffer(&bytes);
    return importInput(buffer, QStringLiteral("banka.csv"), options);
}

QStringList texts(const QList<Finding> &findings)
{
    QStringList lines;
    for (const Finding &finding : findings)
        lines.append(findingLine(finding));
    return lines;
}

QString data(const char *name)
{
    return QStringLiteral(TZ_SOURCE_DIR "/tests/bankfile/data/") + QString::fromUtf8(name);
}

// A spreadsheet's CSV: each separator with each encoding and line end gives the same record.
TEST(BankImport, EverySpreadsheetFormOfCsvGivesTheSameRecord)
{
    enum Encoding { Utf8, Utf8Bom, Windows1250, Utf16Le };
    const std::tuple<char, Encoding, const char *> forms[] = {
        {';', Windows1250, "\r\n"}, {';', Utf8Bom, "\r\n"}, {'\t', Utf8, "\n"}, {',', Utf8Bom, "\n"}, {'\t', Utf16Le, "\r\n"}};
    const BankRecord expected{0, 2, "Kolik je 1,5 + 1,5?", "3", "2; nebo 4", "žádná", "Čeština: „ůěščřžýáíé“", 0};
    for (const auto &[separator, encoding, lineEnd] : forms) {
        const QChar sep = QLatin1Char(separator);
        const QString text = QStringList{"Cis", "Skupina", "Dotaz", "Odp1", "Odp2", "Odp3", "Komentar", "cspravodp"}.join(sep)
            + lineEnd + QStringList{"0", "2", "\"Kolik je 1,5 + 1,5?\"", "3", "\"2; nebo 4\"", "žádná", expected.komentar, "0"}.join(sep)
            + lineEnd;
        QByteArray bytes = encoding == Windows1250 ? *paradox::TextCodec(1250).encode(text) : text.toUtf8();
        if (encoding == Utf16Le)
            bytes = QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text);
        if (encoding == Utf8Bom)
            bytes.prepend("\xEF\xBB\xBF");
        const BankContent content = imported(bytes);
        ASSERT_EQ(content.records.size(), 1) << separator << encoding;
        EXPECT_EQ(content.records[0], expected) << separator << encoding;
        EXPECT_EQ(content.origins[0].line, 2);
    }
}

// A single CSV keeps its numbers and groups, even outside 1..3; without Cis rows are numbered in order.
TEST(BankImport, ASingleCsvKeepsItsNumbersOrIsNumberedInOrder)
{
    const std::pair<QByteArray, QList<std::pair<int, int>>> cases[] = {
        {"Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,P,A,B,C,,0\n2,D,A,B,C,,1\n", {{0, 1}, {1, 2}}},
        {"Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n7,0,P,A,B,C,,0\n3,2,D,A,B,C,,1\n", {{7, 0}, {3, 2}}},
    };
    for (const auto &[csv, numbersAndGroups] : cases) {
        const BankContent content = imported(csv);
        QList<std::pair<int, int>> found;
        for (const BankRecord &record : content.records)
            found.append({record.cis, record.skupina});
        EXPECT_EQ(found, numbersAndGroups);
    }
}

// Moodle XML, GIFT, Aiken and CSV into one list, groups chosen for a category and for files.
TEST(BankImport, InputsOfEveryFormatJoinInOrderNumberedFromZero)
{
    const BankContent content = importFiles({data("export.xml"), data("fyzika.txt"), data("biologie"), data("banka.csv")},
                                            {parseGroupChoices({"export.xml=3", "Chemie=3", "biologie=2"})});
    QStringList rows;
    for (const BankRecord &record : content.records)
        rows.append(QStringLiteral("%1|%2|%3|%4").arg(record.cis).arg(record.skupina).arg(record.dotaz.left(20)).arg(record.cspravOdp));
    EXPECT_EQ(rows, (QStringList{"0|3|Které město je hlavn|1", "1|3|Která řeka teče Prah|0", "2|3|V kterém roce byla z|0",
                                 "3|1|Jaká je jednotka síl|1", "4|1|Těleso jede rychlost|0", "5|1|Který znak zapisuje |0",
                                 "6|1|Voda vře při _____ s|0", "7|3|Chemická značka sodí|0", "8|2|Kolik nohou\nmá pavou|1",
                                 "9|3|Kolik je 1+1?|1"}));
    EXPECT_EQ(content.records[0].komentar, "Praha je metropole & sídlo vlády.");
    const QStringList lines = texts(content.findings);
    EXPECT_EQ(lines.count(), 16);
    EXPECT_EQ(lines.filter("Vynecháno: ").size(), 14);
    EXPECT_TRUE(lines.contains(QString("Vynecháno: Soubor %1, řádek 38: otázka „Dílčí“: dílčí hodnocení odpovědi (50 %)")
                                   .arg(data("fyzika.txt"))));
    EXPECT_EQ(lines.last(), "Upozornění: Vstupů je víc, otázky jsou proto očíslovány v pořadí od 0; pole Cis ze "
                            "souborů CSV se nepoužije");
}

// Excel's "sep=" line, columns that are no field, no Komentar, answers as letters, empty rows:
// rows numbered as the spreadsheet shows them.
TEST(BankImport, CsvIsReadAsSpreadsheetsSaveIt)
{
    const BankContent content = imported("sep=,\nSkupina,Poznámka,Dotaz,Odp1,Odp2,Odp3,CspravOdp,Body\n"
                                         "1,x,\"Dva\nřádky\",A,B,C,b,1\n,,,,,,,\n,,\n2,,Další,A,B,C, C ,\n");
    ASSERT_EQ(content.records.size(), 2);
    EXPECT_EQ(content.records[0], (BankRecord{0, 1, "Dva\nřádky", "A", "B", "C", QString(), 1}));
    EXPECT_EQ(content.records[1], (BankRecord{1, 2, "Další", "A", "B", "C", QString(), 2}));
    EXPECT_EQ(content.origins[1].line, 5);
    EXPECT_EQ(texts(content.findings),
              QStringList{"Upozornění: Soubor banka.csv, řádek 1: sloupce „Poznámka“, „Body“ nejsou pole banky, nástroj je vynechá"});
}

// Excel's "sep=" line as sheets save it, with CRLF or the row's empty cells after it: taken
// alike by the format detection and the reader, which then reads the header below it.
TEST(BankImport, AnExcelSeparatorLineIsNoRowOfTheSheet)
{
    const QByteArray sheet = "Skupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp\n1;Q;A;B;C;A\n";
    for (const QByteArray &first : {QByteArray("SEP=;\r\n"), QByteArray("sep=;;;;;;\r\n"), QByteArray("sep=; ;\n")}) {
        const BankContent content = imported(first + sheet);
        ASSERT_EQ(content.records.size(), 1) << first.constData();
        EXPECT_EQ(content.records[0].cspravOdp, 0);
        EXPECT_EQ(content.origins[0].line, 2);
        EXPECT_TRUE(content.findings.isEmpty()) << qPrintable(texts(content.findings).join('\n'));
    }
}

// Every fault of a file at once, each with its spreadsheet row and what to do.
TEST(BankImport, EveryProblemOfACsvIsFoundWithItsRowAndRemedy)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"Cis;Skupina;Dotaz;Odp1;Odp2;Odp3;CspravOdp\n0;1;Q;A;B;C;A\nx;y;Q;A;B;C;D\n2;1;Q;A;B;C;1.5\n3;1;Q;A;B;C\n",
         {"Soubor banka.csv, řádek 3: Cis „x“ není celé číslo; otázky číslujte od 0, nebo sloupec Cis vynechte a nástroj je očísluje",
          "Soubor banka.csv, řádek 3: Skupina „y“ není celé číslo; napište skupinu 1, 2 nebo 3",
          "Soubor banka.csv, řádek 3: CspravOdp „D“ neoznačuje odpověď; napište A, B nebo C (nebo 0, 1, 2)",
          "Soubor banka.csv, řádek 4: CspravOdp „1.5“ neoznačuje odpověď; napište A, B nebo C (nebo 0, 1, 2)",
          "Soubor banka.csv, řádek 5: řádek má 6 hodnot místo 7; text, ve kterém je oddělovač „;“, dejte do uvozovek"}},
        {"Cis,cis,Dotaz,Odp1\n",
         {"Soubor banka.csv, řádek 1: sloupec Cis je uveden dvakrát; jeden z nich smažte nebo přejmenujte",
          "Soubor banka.csv, řádek 1: chybějí sloupce Skupina, Odp2, Odp3, CspravOdp; první řádek jmenuje sloupce Skupina, "
          "Dotaz, Odp1, Odp2, Odp3 a CspravOdp (Cis a Komentar smějí chybět)"}},
    };
    for (const auto &[csv, problems] : cases) {
        const BankContent content = imported(csv);
        EXPECT_EQ(texts(content.findings), problems);
        for (const Finding &finding : content.findings)
            EXPECT_EQ(findingEffect(finding), FindingEffect::Blocks);
    }
    EXPECT_EQ(imported(cases[0].first).findings[2].record, 1) << "a window marks the row's record";
}

// Values the program cannot use as meant, each with its row and in plain words; numbers with
// gaps leave questions never drawn and draw the last one instead.
TEST(BankImport, BuildWarnsOfValuesTheProgramCannotUseWithTheirRow)
{
    const BankContent content = imported("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,1,Q0,A,B,C,,3\n"
                                         "2,7,Q1,A, ,C,,0\n1,2,Q2,A,B,C,,-1\n3,3,,A,B,C,,2\n");
    const QString remedy = "otázky číslujte od 0, nebo sloupec Cis vynechte a nástroj je očísluje";
    EXPECT_EQ(texts(valueWarnings(content)),
              (QStringList{"Upozornění: Soubor banka.csv, řádek 2: CspravOdp 3 není 0, 1 ani 2, žádná odpověď nebude správná",
                           "Upozornění: Soubor banka.csv, řádek 3: Skupina 7 není 1, 2 ani 3, otázka se do testu nedostane",
                           "Upozornění: Soubor banka.csv, řádek 3: pole Odp2 je prázdné, test ukáže prázdnou odpověď B; text doplňte",
                           "Upozornění: Soubor banka.csv, řádek 4: CspravOdp -1 není 0, 1 ani 2, žádná odpověď nebude správná",
                           "Upozornění: Soubor banka.csv, řádek 4: Cis 1 se opakuje (poprvé na řádku 2), otázka se do testu "
                           "nedostane; " + remedy,
                           "Upozornění: Soubor banka.csv, řádek 5: pole Dotaz je prázdné, test ukáže otázku bez textu; text doplňte",
                           "Upozornění: Žádná otázka nemá Cis 0; místo něj se losuje poslední otázka, která tak může být v testu "
                           "vícekrát; " + remedy}));
    const BankContent gap = imported("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,CspravOdp\n5,1,Q,A,B,C,0\n0,1,Q,A,B,C,0\n");
    EXPECT_EQ(texts(valueWarnings(gap)),
              (QStringList{"Upozornění: Soubor banka.csv, řádek 2: otázka se do testu nikdy nedostane, čísla Cis mají "
                           "jít od 0 do 1; " + remedy,
                           "Upozornění: Žádná otázka nemá Cis 1; místo něj se losuje poslední otázka, která tak může být v "
                           "testu vícekrát; " + remedy}));
    // The last record repeats a number, yet is drawn for the number no record has.
    const BankContent last = imported("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,CspravOdp\n0,1,Q,A,B,C,0\n1,1,Q,A,B,C,0\n0,1,Q,A,B,C,0\n");
    EXPECT_EQ(texts(valueWarnings(last)).value(0),
              "Upozornění: Soubor banka.csv, řádek 4: Cis 0 se opakuje (poprvé na řádku 2); " + remedy);
}

// A CSV cell is named by its line and field, a GIFT answer also by its question.
TEST(BankImport, ACharacterTheBankCannotStoreIsNamedWithItsPlace)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"Skupina;Dotaz;Odp1;Odp2;Odp3;Komentar;CspravOdp\n1;Otázka;A;B;C;;0\n1;Otázka;A;Šipka → vpravo;C;;0\n",
         "Soubor banka.csv, řádek 3, pole Odp2: znak „→“ (U+2192) na 7. místě textu nelze uložit v kódování Windows-1250"},
        {"::První::Kam?{=vlevo ~vpravo ~nahoru}\n\n::Šipka::Kam ukazuje?{\n=vlevo\n~→ vpravo\n~nahoru\n}\n",
         "Soubor banka.csv, řádek 3, otázka „Šipka“, pole Odp2: znak „→“ (U+2192) na 1. místě textu nelze uložit v "
         "kódování Windows-1250"},
        {"Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n1,\x81\x28,A,B,C,K,0\n",
         "Soubor banka.csv, řádek 2, pole Dotaz: znak „\uFFFD“ (U+fffd) na 1. místě textu nelze uložit v kódování "
         "Windows-1250"},
    };
    for (const auto &[input, text] : cases) {
        const QList<Finding> unstorable = unstorableTexts(imported(input));
        ASSERT_EQ(unstorable.size(), 1);
        EXPECT_EQ(findingLine(unstorable[0]), text);
        EXPECT_EQ(findingEffect(unstorable[0]), FindingEffect::Blocks);
    }
}

// Binary data is refused on its first bytes; an input over the limit before more is read.
TEST(BankImport, BinaryOrOversizedInputIsRefused)
{
    const QByteArray question = "::Q::Otázka?{=a ~b ~c}\n\n";
    const std::tuple<QByteArray, qint64, QString> cases[] = {
        {QByteArray(100000, '\0'), InputSizeLimit, "binární data"},
        {question.repeated(20), 200, "větší než 200 B"},
        {question.repeated(20), 2 * 1024 * 1024, QString()},
        {question, 200, QString()},
    };
    for (const auto &[input, limit, refusal] : cases) {
        try {
            EXPECT_EQ(imported(input, {{}, limit}).records.size(), input.count("::Q::"));
            EXPECT_TRUE(refusal.isEmpty()) << qPrintable(refusal);
        } catch (const ImportError &error) {
            EXPECT_TRUE(!refusal.isEmpty() && error.message().contains(refusal)) << qPrintable(error.message());
        }
    }
}

// A large GIFT file is read a piece at a time: a line end split between two pieces is one line
// end, the lines keep their numbers, and the reading reports how far it is and can be stopped.
TEST(BankImport, ALargeGiftFileIsReadInPiecesThatCanBeStopped)
{
    constexpr qsizetype Piece = 1024 * 1024;
    QByteArray gift = "// " + QByteArray(Piece - 4, 'x') + "\r\n";
    ASSERT_EQ(gift.indexOf('\r'), Piece - 1);
    for (int n = 0; n < 3; ++n)
        gift += "::Q" + QByteArray::number(n) + "::Otázka?{=a ~b ~c}\r\n\r\n";
    const BankContent content = imported(gift);
    ASSERT_EQ(content.records.size(), 3);
    EXPECT_EQ(content.origins[2].line, 6);

    class StopAfterFirstPiece : public Progress
    {
    public:
        void step(qint64 done, qint64 total) override { m_steps.append({done, total}); }
        bool cancelled() const override { return !m_steps.isEmpty(); }
        QList<std::pair<qint64, qint64>> m_steps;
    } stop;
    QBuffer buffer(&gift);
    EXPECT_THROW(importInput(buffer, QStringLiteral("velky.gift"), {}, stop), OperationCancelled);
    EXPECT_EQ(stop.m_steps, (QList<std::pair<qint64, qint64>>{{Piece, gift.size()}}));
}

}
