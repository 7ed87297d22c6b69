// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What `check` makes of a bank: the findings as data, and the report's words.
#include "QStringPrinter.h"
#include "bankfile/BankCheck.h"
#include "bankfile/BankFile.h"
#include "bankfile/FindingText.h"
#include "bank/BankTable.h"
#include "common/BankBuilder.h"
#include "paradox/TableWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

namespace {

BankContent contentOf(const QList<BankRecord> &records)
{
    BankContent content;
    content.records = records;
    return content;
}

// Two records never drawn, two numbers that draw the last record, a CspravOdp outside 0..2 and
// two empty texts.
QList<BankRecord> recordsWithProblems()
{
    QList<BankRecord> records = makeBankRecords(12, 12, 12);
    records[5].cis = 1000; // never drawn; 5 then leads to the last record
    records[7].cis = 8;    // 7 leads to the last record; record 9 also has 8, so it is never drawn
    records[2].cspravOdp = 3;
    records[6].odp2 = QStringLiteral("  ");
    records[8].dotaz.clear();
    records[8].odp3.clear();
    return records;
}

TEST(BankCheck, FindingsNameTheirRecordAndField)
{
    using K = FindingKind;
    const BankCheck check = checkBank(contentOf(recordsWithProblems()));
    QList<std::tuple<FindingKind, int, QString, QStringList>> found;
    for (const Finding &finding : check.findings)
        found.append({finding.kind, finding.record, finding.field, finding.values});
    const QList<std::tuple<FindingKind, int, QString, QStringList>> expected = {
        {K::UnreachableRecord, 5, "Cis", {"36"}},     {K::UnreachableRecord, 8, "Cis", {"36"}},
        {K::NumberLeadsToLast, 35, "Cis", {"5", "7"}}, {K::AnswerOutOfRange, 2, "CspravOdp", {"3"}},
        {K::EmptyText, 6, "Odp2", {}},                 {K::EmptyText, 8, "Dotaz", {}},
        {K::EmptyText, 8, "Odp3", {}}};
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(check.testCanBeDrawn);
    EXPECT_EQ(findingText(check.findings[3]), "záznam 3 (Cis 2): CspravOdp 3 není 0, 1 ani 2, žádná odpověď nebude správná");
    EXPECT_EQ(findingEffect(check.findings[3]), FindingEffect::Warning);
}

// The report word for word, with Czech plural forms and no count below zero.
TEST(BankCheck, ReportsCountsQuotasAndProblemsInWords)
{
    const QString remedy = "otázky číslujte od 0, nebo sloupec Cis vynechte a nástroj je očísluje";
    const std::tuple<QList<BankRecord>, bool, QString> cases[] = {
        {makeBankRecords(50, 40, 30), true,
         "Záznamů: 120\nSkupina 1: 50 záznamů, 42 %, kvóta 12\nSkupina 2: 40 záznamů, 33 %, kvóta 10\n"
         "Skupina 3: 30 záznamů, 25 %, kvóta 8\nProcenta jsou podíly skupin ze všech 120 záznamů zaokrouhlené na celá čísla; co do 100 % chybí nebo přebývá, "
         "připadne skupině 1. Kvóta je týž podíl z otázek testu, zaokrouhlený rozdíl nese opět skupina 1.\nOtázek v testu: 30\nVýsledek: test lze vylosovat.\n"},
        {recordsWithProblems(), true,
         "Záznamů: 36\nSkupina 1: 12 záznamů, 34 %, kvóta 10\nSkupina 2: 12 záznamů, 33 %, kvóta 10\n"
         "Skupina 3: 12 záznamů, 33 %, kvóta 10\nProcenta jsou podíly skupin ze všech 36 záznamů zaokrouhlené na celá čísla; co do 100 % chybí nebo přebývá, "
         "připadne skupině 1. Kvóta je týž podíl z otázek testu, zaokrouhlený rozdíl nese opět skupina 1.\nOtázek v testu: 30\n"
         "záznam 6 (Cis 1000): otázka se do testu nikdy nedostane, čísla Cis mají jít od 0 do 35; " + remedy + "\n"
         "záznam 9 (Cis 8): otázka se do testu nikdy nedostane, čísla Cis mají jít od 0 do 35; " + remedy + "\n"
         "Žádná otázka nemá Cis 5, 7; místo každého z nich se losuje poslední otázka, která tak může být v testu "
         "vícekrát; " + remedy + "\n"
         "CspravOdp mimo 0..2: záznam 3 (Cis 2): 3\n"
         "záznam 7 (Cis 6): pole Odp2 je prázdné, test ukáže prázdnou odpověď B; text doplňte\n"
         "záznam 9 (Cis 8): pole Dotaz je prázdné, test ukáže otázku bez textu; text doplňte\n"
         "záznam 9 (Cis 8): pole Odp3 je prázdné, test ukáže prázdnou odpověď C; text doplňte\n"
         "Výsledek: test lze vylosovat.\n"},
        {makeBankRecords(10, 10, 10, 10), false,
         "Záznamů: 40\nSkupina 1: 10 záznamů, 50 %, kvóta 14\nSkupina 2: 10 záznamů, 25 %, kvóta 8\n"
         "Skupina 3: 10 záznamů, 25 %, kvóta 8\nZáznamů mimo skupiny 1–3 (nikdy v testu): 10\nProcenta jsou podíly skupin ze všech 40 záznamů zaokrouhlené na celá čísla; co do 100 % chybí nebo přebývá, "
         "připadne skupině 1. Kvóta je týž podíl z otázek testu, zaokrouhlený rozdíl nese opět skupina 1.\nOtázek v testu: 30\n"
         "Skupina 1 nenaplní kvótu: potřebuje 14 otázek, vylosovat lze 10 (program test nevygeneruje).\n"
         "Výsledek: test nelze vylosovat.\n"},
        {makeBankRecords(0, 5, 5), false,
         "Záznamů: 10\nSkupina 1: 0 záznamů, 0 %, kvóta 1\nSkupina 2: 5 záznamů, 50 %, kvóta 2\n"
         "Skupina 3: 5 záznamů, 50 %, kvóta 2\nProcenta jsou podíly skupin ze všech 10 záznamů zaokrouhlené na celá čísla; co do 100 % chybí nebo přebývá, "
         "připadne skupině 1. Kvóta je týž podíl z otázek testu, zaokrouhlený rozdíl nese opět skupina 1.\nOtázek v testu: 5\n"
         "Skupina 1 nenaplní kvótu: potřebuje 1 otázku, vylosovat lze 0 (program test nevygeneruje).\n"
         "Výsledek: test nelze vylosovat.\n"},
        {makeBankRecords(1, 1, 1), false,
         "Záznamů: 3\nSkupina 1: 1 záznam, 34 %, kvóta 0\nSkupina 2: 1 záznam, 33 %, kvóta 0\n"
         "Skupina 3: 1 záznam, 33 %, kvóta 0\nProcenta jsou podíly skupin ze všech 3 záznamů zaokrouhlené na celá čísla; co do 100 % chybí nebo přebývá, "
         "připadne skupině 1. Kvóta je týž podíl z otázek testu, zaokrouhlený rozdíl nese opět skupina 1.\nOtázek v testu: 0\n"
         "Banka potřebuje aspoň 6 záznamů, aby test měl aspoň jednu otázku.\nVýsledek: test nelze vylosovat.\n"},
        {{}, false, "Záznamů: 0\nSkupina 1: 0 záznamů, 0 %, kvóta 0\nSkupina 2: 0 záznamů, 0 %, kvóta 0\n"
                    "Skupina 3: 0 záznamů, 0 %, kvóta 0\nOtázek v testu: 0\n"
                    "Banka potřebuje aspoň 6 záznamů, aby test měl aspoň jednu otázku.\nVýsledek: test nelze vylosovat.\n"},
    };
    for (const auto &[records, canDraw, report] : cases) {
        const BankCheck check = checkBank(contentOf(records));
        EXPECT_EQ(check.testCanBeDrawn, canDraw) << records.size();
        EXPECT_EQ(checkReportText(check), report);
    }
    QList<BankRecord> many = makeBankRecords(8, 8, 8);
    for (BankRecord &record : many)
        record.cspravOdp = 7;
    const QString report = checkReportText(checkBank(contentOf(many)));
    EXPECT_TRUE(report.contains(", záznam 20 (Cis 19): 7 … a dalších 4\n")) << qPrintable(report);
}

// A table the engine reads but that is no bank, or whose values do not read, gives no figures.
TEST(BankCheck, MissingFieldsAndUnreadableValuesStopTheCheck)
{
    QTemporaryDir folder;
    paradox::TableWriter noComment({{"Cis", paradox::FieldType::Long, 4}, {"Skupina", paradox::FieldType::Long, 4},
                                    {"Dotaz", paradox::FieldType::Alpha, 20}});
    noComment.write(folder.filePath("fields.db"));
    QList<paradox::FieldDef> fields = BankTable::fields();
    for (paradox::FieldDef &field : fields)
        field = {field.name, paradox::FieldType::Alpha, 10};
    paradox::TableWriter texts(fields);
    for (int i = 0; i < 8; ++i) {
        QList<paradox::Value> values;
        for (const QString &text : {i == 3 ? QStringLiteral("tři") : QString::number(i), QStringLiteral("1"),
                                    QStringLiteral("Q"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                    QString(), QStringLiteral("0")})
            values.append(text);
        texts.addRecord(values);
    }
    texts.write(folder.filePath("texts.db"));
    const std::pair<const char *, QString> cases[] = {
        {"fields.db", "Záznamů: 0\nChybějící pole: Odp1, Odp2, Odp3, Komentar, CspravOdp\nVýsledek: test nelze vylosovat.\n"},
        {"texts.db", "Záznamů: 8\nNečitelné hodnoty (program ohlásí chybu): záznam 4: Hodnota „tři“ pole Cis není "
                     "platné celé číslo.\nVýsledek: test nelze vylosovat.\n"},
    };
    for (const auto &[table, report] : cases) {
        const BankCheck check = checkBank(readBank(folder.filePath(table)));
        EXPECT_FALSE(check.complete);
        EXPECT_EQ(checkReportText(check), report);
    }
}

}
