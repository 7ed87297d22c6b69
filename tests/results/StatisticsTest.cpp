// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SampleAttempts.h"

#include "results/AttemptFilter.h"
#include "results/ResultsReport.h"
#include "results/Statistics.h"

#include <gtest/gtest.h>

namespace {

using results::AttemptRecord;
using results::Ending;

const QString Key = QStringLiteral("ABCAB");

// One bank of five questions: five evaluated attempts and one left unfinished.
QList<AttemptRecord> classAttempts()
{
    return {
        sampleAttempt(QStringLiteral("a1"), QStringLiteral("Adam"), pragueTime(2, 8), Key, QStringLiteral("ABCBB")),
        sampleAttempt(QStringLiteral("a2"), QStringLiteral("Bára"), pragueTime(2, 9), Key, QStringLiteral("ABCAB")),
        sampleAttempt(QStringLiteral("a3"), QStringLiteral("Cyril"), pragueTime(3, 8), Key, QStringLiteral("BBCA-"),
                      Ending::TimeUp),
        sampleAttempt(QStringLiteral("a4"), QStringLiteral("Dana"), pragueTime(3, 9), Key, QStringLiteral("CC-AA")),
        sampleAttempt(QStringLiteral("a5"), QStringLiteral("Adam"), pragueTime(4, 8), Key, QStringLiteral("A----"),
                      Ending::Unfinished),
        sampleAttempt(QStringLiteral("a6"), QStringLiteral(" Adam "), pragueTime(5, 8), Key, QStringLiteral("ABCAB")),
    };
}

TEST(Statistics, QuestionsCountEvaluatedAttemptsOfTheirBank)
{
    QList<AttemptRecord> attempts = classAttempts();
    AttemptRecord lone = sampleAttempt(QStringLiteral("b1"), QStringLiteral("Eva"), pragueTime(2, 10),
                                       QStringLiteral("C"), QStringLiteral("C"));
    lone.bank.path = QStringLiteral("/skola/chemie/test.db");
    lone.bank.table.sha256 = QString(64, u'9');
    attempts.append(lone);

    const QList<results::QuestionStatistics> questions = results::questionStatistics(attempts);
    ASSERT_EQ(questions.size(), 6);
    // cis, drawn, correct, unanswered, chosen A/B/C, discrimination (upper a6 100 %, lower a4 20 %)
    const struct
    {
        qint32 cis;
        int drawn, correct, unanswered;
        std::array<int, 3> chosen;
        std::optional<double> discrimination;
    } expected[] = {
        {0, 1, 1, 0, {0, 0, 1}, std::nullopt},
        {0, 5, 3, 0, {3, 1, 1}, 1.0},
        {1, 5, 4, 0, {0, 4, 1}, 1.0},
        {2, 5, 4, 1, {0, 0, 4}, 1.0},
        {3, 5, 4, 0, {4, 1, 0}, 0.0},
        {4, 5, 3, 1, {1, 3, 0}, 1.0},
    };
    for (int i = 0; i < 6; ++i) {
        const results::QuestionStatistics &question = questions[i];
        EXPECT_EQ(question.bankPath, i == 0 ? lone.bank.path : QStringLiteral("/skola/fyzika/test.db"));
        EXPECT_EQ(question.cis, expected[i].cis) << i;
        EXPECT_EQ(question.drawn, expected[i].drawn) << i;
        EXPECT_EQ(question.correct, expected[i].correct) << i;
        EXPECT_EQ(question.unanswered, expected[i].unanswered) << i;
        EXPECT_EQ(question.chosen, expected[i].chosen) << i;
        EXPECT_EQ(question.discrimination, expected[i].discrimination) << i;
        EXPECT_DOUBLE_EQ(question.correctShare(), double(expected[i].correct) / expected[i].drawn) << i;
        EXPECT_DOUBLE_EQ(question.unansweredShare(), double(expected[i].unanswered) / expected[i].drawn) << i;
    }
}

TEST(Statistics, PersonsHaveTheirBestLastAndTrend)
{
    QList<AttemptRecord> attempts = classAttempts();
    attempts.append(sampleAttempt(QStringLiteral("c1"), QStringLiteral("Dana"), pragueTime(6, 8), Key,
                                  QStringLiteral("ABCBB")));
    attempts.append(sampleAttempt(QStringLiteral("c2"), QStringLiteral("Dana"), pragueTime(7, 8), Key,
                                  QStringLiteral("AB--B")));
    const QList<results::PersonStatistics> persons = results::personStatistics(attempts);
    ASSERT_EQ(persons.size(), 4);
    EXPECT_EQ(persons[0].person, QStringLiteral("Adam"));
    EXPECT_EQ(persons[0].attempts, 3);
    EXPECT_EQ(persons[0].evaluated, 2);
    EXPECT_EQ(persons[0].best, 100);
    EXPECT_EQ(persons[0].last, 100);
    EXPECT_EQ(persons[0].trend, 20.0);
    EXPECT_EQ(persons[1].person, QStringLiteral("Bára"));
    EXPECT_EQ(persons[1].trend, std::nullopt);
    EXPECT_EQ(persons[3].person, QStringLiteral("Dana"));
    EXPECT_EQ(persons[3].best, 80);
    EXPECT_EQ(persons[3].last, 60);
    // 20, 80, 60: the least-squares slope is 20 points an attempt.
    ASSERT_TRUE(persons[3].trend);
    EXPECT_DOUBLE_EQ(*persons[3].trend, 20.0);
}

TEST(Statistics, FilterTakesDatesWhereTakenAndTheBank)
{
    const QList<AttemptRecord> attempts = classAttempts();
    const auto ids = [&](const results::AttemptFilter &filter) {
        QStringList kept;
        for (const AttemptRecord &attempt : results::filtered(attempts, filter))
            kept.append(attempt.id);
        return kept.join(u',');
    };
    const QString path = QStringLiteral("/skola/fyzika/test.db");
    const QString sha = attempts[0].bank.table.sha256;
    const std::optional<QDate> any;
    // A typed bank is a part of the path or the start of the SHA-256; a chosen one matches whole.
    const std::pair<results::AttemptFilter, QString> cases[] = {
        {{QDate(2026, 3, 3), QDate(2026, 3, 4), {}, {}, {}}, QStringLiteral("a3,a4,a5")},
        {{any, QDate(2026, 3, 2), {}, {}, {}}, QStringLiteral("a1,a2")},
        {{QDate(2026, 3, 5), any, QStringLiteral("FYZIKA"), {}, {}}, QStringLiteral("a6")},
        {{QDate(2026, 3, 5), any, QStringLiteral("AB12CD"), {}, {}}, QStringLiteral("a6")},
        {{any, any, QStringLiteral("chemie"), {}, {}}, QString()},
        {{QDate(2026, 3, 5), any, {}, path, sha}, QStringLiteral("a6")},
        {{any, any, {}, QStringLiteral("/fyzika/test.db"), {}}, QString()},
        {{any, any, {}, path, sha.left(8)}, QString()},
    };
    for (const auto &[filter, expected] : cases)
        EXPECT_EQ(ids(filter), expected) << filter.bank.toStdString() << ' ' << filter.bankPath.toStdString();

    // 00:30 in Prague is still the day before in UTC: the date is the one where it was taken.
    AttemptRecord night = attempts[0];
    night.start = pragueTime(10, 0, 30);
    EXPECT_TRUE((results::AttemptFilter{QDate(2026, 3, 10), QDate(2026, 3, 10), {}, {}, {}}.accepts(night)));
}

TEST(Report, TwoVersionsOfABankKeepTheirQuestionsApart)
{
    // The bank edited between the attempts: the same path with another SHA-256, started between
    // the attempts of the first version.
    QList<AttemptRecord> attempts = classAttempts();
    AttemptRecord edited = sampleAttempt(QStringLiteral("e1"), QStringLiteral("Eva"), pragueTime(2, 10), Key, Key);
    edited.bank.table.sha256 = QStringLiteral("ef") + QString(62, u'0');
    attempts.append(edited);

    const results::ResultsSummary summary = results::summarise(attempts);
    QStringList order;
    for (const results::QuestionStatistics &question : summary.questions)
        order.append(question.bankSha256.left(2) + QString::number(question.cis));
    EXPECT_EQ(order.join(u' '), QStringLiteral("ab0 ab1 ab2 ab3 ab4 ef0 ef1 ef2 ef3 ef4"));
    const QString text = results::reportText(summary);
    EXPECT_EQ(text.count(QStringLiteral("Otázky banky /skola/fyzika/test.db (SHA-256 ab12cd340000)")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Otázky banky /skola/fyzika/test.db (SHA-256 ef0000000000)")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Otázky banky")), 2);
}

TEST(Report, CzechPluralForms)
{
    const struct
    {
        int count;
        const char *text;
    } cases[] = {{0, "0 pokusů"}, {1, "1 pokus"}, {2, "2 pokusy"}, {4, "4 pokusy"}, {5, "5 pokusů"}, {22, "22 pokusů"}};
    for (const auto &[count, text] : cases)
        EXPECT_EQ(results::counted(count, QStringLiteral("pokus"), QStringLiteral("pokusy"), QStringLiteral("pokusů")),
                  QString::fromUtf8(text));

    results::RecordSet set;
    set.skipped = {{QStringLiteral("/v/a.txt"), QStringLiteral("není záznam pokusu Testu znalostí")}};
    set.duplicates = 2;
    set.unreadableFolders = {{QStringLiteral("/nikde"), QStringLiteral("soubor nebo složka neexistuje")}};
    EXPECT_EQ(results::skippedText(set),
              QStringLiteral("Složku /nikde nelze číst: soubor nebo složka neexistuje.\n"
                             "Vynechán 1 soubor, který není čitelným záznamem pokusu:\n"
                             "  /v/a.txt: není záznam pokusu Testu znalostí\n"
                             "Stejný pokus nalezen víckrát; 2 další kopie se nepočítají.\n"));

    const struct
    {
        int count;
        const char *line;
    } skipped[] = {{2, "Vynechány 2 soubory, které nejsou čitelným záznamem pokusu:"},
                   {5, "Vynecháno 5 souborů, které nejsou čitelným záznamem pokusu:"}};
    for (const auto &[count, line] : skipped) {
        results::RecordSet many;
        many.skipped = QList<results::SkippedFile>(count, set.skipped[0]);
        EXPECT_TRUE(results::skippedText(many).startsWith(QString::fromUtf8(line) + u'\n')) << count;
    }
}

TEST(Report, TextListsAttemptsQuestionsAndPersons)
{
    const QString text = results::reportText(results::summarise(classAttempts()));
    EXPECT_TRUE(text.startsWith(QStringLiteral("6 pokusů:\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("  začátek           osoba   počítač  banka    správně  špatně  bez odp.  "
                                             "úspěšnost  konec\n"
                                             "  2026-03-02 08:00  Adam    pc-01    test.db        4       1         0"
                                             "       80 %  ukončen\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Otázky banky /skola/fyzika/test.db (SHA-256 ab12cd340000):\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  Cis  skup.  správná  vylosována  správně (index obtížnosti)"
                                             "  bez odp.  A  B  C  rozlišení\n"
                                             "    0      1        A           5                        60 %"
                                             "       0 %  3  1  1       1,00\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("  Adam        3            2     100 %     100 %  +20,0\n")))
        << text.toStdString();
}

TEST(Report, CsvOpensInACzechSpreadsheetOrWithCommas)
{
    QList<AttemptRecord> attempts = classAttempts();
    attempts[1].person = QStringLiteral("Novák; Jan \"Honza\"");
    const results::ResultsSummary summary = results::summarise(attempts);

    const QByteArray semicolons = results::resultsCsv(summary);
    ASSERT_TRUE(semicolons.startsWith("\xEF\xBB\xBF" "Pokusy\r\nZačátek;Konec;Osoba;"));
    EXPECT_TRUE(semicolons.contains("2026-03-02 09:00:00;2026-03-02 09:10:00;\"Novák; Jan \"\"Honza\"\"\";pc-01;"));
    EXPECT_TRUE(semicolons.contains("\r\n\r\nOtázky\r\n"));
    EXPECT_TRUE(semicolons.contains("/skola/fyzika/test.db;ab12cd34" + QByteArray(56, '0')
                                    + ";0;1;A;5;0,6000;0,0000;3;1;1;1,0000\r\n"));
    EXPECT_TRUE(semicolons.contains("\r\nAdam;3;2;100;100;20,00\r\n"));
    EXPECT_TRUE(semicolons.contains("\r\nCyril;1;1;60;60;\r\n"));

    const QByteArray commas = results::resultsCsv(summary, results::CsvSeparator::Comma);
    EXPECT_TRUE(commas.contains(",\"Novák; Jan \"\"Honza\"\"\",pc-01,"));
    EXPECT_TRUE(commas.contains(",0,1,A,5,0.6000,0.0000,3,1,1,1.0000\r\n"));
    EXPECT_FALSE(commas.contains(';' + QByteArray("Konec")));
}

TEST(Report, CsvShowsWouldBeFormulasAsTextAndNumbersAsNumbers)
{
    const struct
    {
        const char *person;
        const char *field;
    } cases[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+420 777", "'+420 777"},
        {"-Jan", "'-Jan"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tJan", "'\tJan"},
        {"-12,5", "-12,5"},
        {"Jan-Novák", "Jan-Novák"},
    };
    for (const auto &[person, field] : cases) {
        QList<AttemptRecord> attempts = classAttempts();
        attempts[1].person = QString::fromUtf8(person);
        const QByteArray csv = results::resultsCsv(results::summarise(attempts));
        EXPECT_TRUE(csv.contains(";" + QByteArray(field) + ";pc-01;")) << person;
    }
}

}
