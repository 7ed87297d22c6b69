// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/GroupQuotas.h"
#include "bank/TestDraw.h"

#include <gtest/gtest.h>

namespace {

// Records numbered 0..n-1 in order, with the given groups.
QList<BankEntry> numbered(const QList<qint32> &groups)
{
    QList<BankEntry> entries;
    for (qint32 i = 0; i < groups.size(); ++i)
        entries.append({i, groups[i]});
    return entries;
}

QList<qint32> groupColumn(int g1, int g2, int g3, int others = 0)
{
    QList<qint32> groups;
    groups.append(QList<qint32>(g1, 1));
    groups.append(QList<qint32>(g2, 2));
    groups.append(QList<qint32>(g3, 3));
    groups.append(QList<qint32>(others, 0));
    return groups;
}

// Hands out the scripted numbers in turn and fails the test once they run out.
struct ScriptedRandom
{
    QList<qint32> numbers;
    qsizetype next = 0;

    qint32 operator()(qint32 n)
    {
        EXPECT_LT(next, numbers.size()) << "the draw asked for more numbers than scripted";
        const qint32 number = next < numbers.size() ? numbers[next++] : 0;
        EXPECT_LT(number, n);
        return number;
    }
};

TestDraw drawScripted(const QList<BankEntry> &entries, const std::array<qint32, 4> &quota, qint32 questionCount,
                      ScriptedRandom &random)
{
    const DrawAnalysis analysis(entries);
    return drawTestNumbers(analysis, quota, questionCount, qint32(entries.size()), std::ref(random),
                           [&entries](int record) { return entries[record].skupina; });
}

}

TEST(DrawRule, BanksTheProgramRefusesCannotEnd)
{
    struct Bank
    {
        int g1, g2, g3, others;
        bool ends;
    };
    const Bank banks[] = {{0, 5, 5, 0, false}, {1, 15, 15, 0, false}, {10, 10, 10, 10, false},
                          {2, 2, 1, 0, false}, {10, 10, 10, 0, true}, {50, 40, 30, 0, true}};
    for (const Bank &bank : banks) {
        const QList<qint32> groups = groupColumn(bank.g1, bank.g2, bank.g3, bank.others);
        std::array<qint32, 4> count{0, bank.g1, bank.g2, bank.g3};
        const GroupQuotas quotas = computeGroupQuotas(qint32(groups.size()), count, 30);
        const DrawAnalysis analysis(numbered(groups));
        EXPECT_EQ(drawCanEnd(quotas.questionCount, quotas.quota, analysis.drawableNumbers()), bank.ends)
            << bank.g1 << '/' << bank.g2 << '/' << bank.g3 << " and " << bank.others;
    }
}

// Eight records whose quotas are -1/2/2 while group 3 has one drawable number: two of group 2
// make up for it, so the draw ends and no group is reported short.
TEST(DrawRule, AGroupShortOfItsQuotaIsMadeUpByTheOthers)
{
    const QList<BankEntry> entries = {{0, 2}, {1, 2}, {2, 2}, {4, 3}, {50, 3}, {51, 3}, {52, 3}, {3, 2}};
    const GroupQuotas quotas = computeGroupQuotas(8, {0, 0, 4, 4}, 30);
    ASSERT_EQ(quotas.quota, (std::array<qint32, 4>{0, -1, 2, 2}));
    const DrawAnalysis analysis(entries);
    ASSERT_EQ(analysis.drawableNumbers(), (std::array<qint32, 4>{0, 0, 7, 1}));
    EXPECT_EQ(drawableQuestions(quotas.quota, analysis.drawableNumbers()), 3);
    EXPECT_TRUE(drawCanEnd(quotas.questionCount, quotas.quota, analysis.drawableNumbers()));
    EXPECT_TRUE(drawShortfalls(quotas.quota, analysis.drawableNumbers()).isEmpty());

    // 5 and 6 match no record and both lead to the last one, of group 2.
    ScriptedRandom random{{5, 4, 6}};
    const TestDraw draw = drawScripted(entries, quotas.quota, quotas.questionCount, random);
    EXPECT_EQ(draw.groupDrawn, (std::array<qint32, 4>{0, 0, 2, 1}));
    EXPECT_EQ(random.next, 3);
}

TEST(DrawRule, ListsEveryShortGroupWithWhatItNeedsAndHas)
{
    const QList<DrawShortfall> shortfalls = drawShortfalls({0, 5, 2, 7}, {0, 5, 1, 3});
    ASSERT_EQ(shortfalls.size(), 2);
    EXPECT_EQ(shortfalls[0].group, 2);
    EXPECT_EQ(shortfalls[0].needed, 2);
    EXPECT_EQ(shortfalls[0].available, 1);
    EXPECT_EQ(shortfalls[1].group, 3);
    EXPECT_EQ(shortfalls[1].needed, 7);
    EXPECT_EQ(shortfalls[1].available, 3);
    EXPECT_TRUE(drawShortfalls({0, 5, 1, 3}, {0, 5, 1, 3}).isEmpty()) << "a quota equal to what it has is filled";
    EXPECT_FALSE(drawCanEnd(0, {}, {})) << "a test of no questions is never drawn";
}

TEST(TestDraw, SkipsRepeatsFullGroupsAndRecordsOfNoGroup)
{
    // Records 0..5: groups 1, 1, 2, none, 1, 3; quotas 2, 1, 0.
    const QList<BankEntry> entries = numbered({1, 1, 2, 0, 1, 3});
    ScriptedRandom random{{0, 0, 3, 5, 2, 4, 1}};
    const TestDraw draw = drawScripted(entries, {0, 2, 1, 0}, 3, random);

    ASSERT_EQ(draw.questions.size(), 3);
    EXPECT_EQ(draw.questions[0].number, 0);
    EXPECT_EQ(draw.questions[1].number, 2);
    EXPECT_EQ(draw.questions[1].group, 2);
    EXPECT_EQ(draw.questions[2].number, 4);
    EXPECT_EQ(draw.questions[2].record, 4);
    EXPECT_EQ(draw.groupDrawn, (std::array<qint32, 4>{0, 2, 1, 0}));
    EXPECT_EQ(random.next, 6) << "the draw stops as soon as the test is full";
}

TEST(TestDraw, NumberWithoutARecordLeadsToTheLastOne)
{
    // Numbered 1..4, so 0 matches nothing and leads to the last record (number 4, group 2).
    const QList<BankEntry> entries = {{1, 1}, {2, 1}, {3, 1}, {4, 2}};
    ScriptedRandom random{{0, 1}};
    const TestDraw draw = drawScripted(entries, {0, 1, 1, 0}, 2, random);

    ASSERT_EQ(draw.questions.size(), 2);
    EXPECT_EQ(draw.questions[0].number, 0);
    EXPECT_EQ(draw.questions[0].record, 3);
    EXPECT_EQ(draw.questions[0].group, 2);
    EXPECT_EQ(draw.questions[1].record, 0);
}
