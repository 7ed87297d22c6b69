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

TEST(BankImport, BuildWarnsOfValuesTheProgramCannotUseWithTheirLine)
{
    const BankContent content = imported("Cis,Skupina,Dotaz,Odp1,Odp2,Odp3,Komentar,CspravOdp\n0,1,Q0,A,B,C,,3\n"
                                         "1,7,Q1,A,B,C,,0\n0,2,Q2,A,B,C,,-1\n3,3,Q3,A,B,C,,2\n");
    EXPECT_EQ(texts(valueWarnings(content)),
              (QStringList{"Upozornění: Soubor banka.csv, řádek 2: CspravOdp 3 není 0, 1 ani 2, žádná odpověď nebude správná",
                           "Upozornění: Soubor banka.csv, řádek 3: Skupina 7 není 1, 2 ani 3, otázka se do testu nedostane",
                           "Upozornění: Soubor banka.csv, řádek 4: CspravOdp -1 není 0, 1 ani 2, žádná odpověď nebude správná",
                           "Upozornění: Soubor banka.csv, řádek 4: Cis 0 se opakuje (poprvé na řádku 2)"}));
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

}
