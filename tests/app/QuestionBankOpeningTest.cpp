// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/Unit2.h"

#include "paradox/TableWriter.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <optional>

namespace {

using QuestionBankTest = WindowFixture;

struct SmallBank
{
    int groups[3];
    int others;
    qint32 questionCount;
};

class SmallBankTest : public WindowFixture, public ::testing::WithParamInterface<SmallBank>
{
};

TEST_P(SmallBankTest, LowersTheTestBelowThirtyFiveRecords)
{
    const SmallBank &bank = GetParam();
    CreateWindow(makeBankRecords(bank.groups[0], bank.groups[1], bank.groups[2], bank.others));
    const int records = bank.groups[0] + bank.groups[1] + bank.groups[2] + bank.others;
    EXPECT_EQ(BankRecordCount, records);
    EXPECT_EQ(QuestionCount, bank.questionCount);
    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(GroupCount[g], bank.groups[g - 1]) << "group " << g;
    EXPECT_EQ(GroupQuota[1] + GroupQuota[2] + GroupQuota[3], bank.questionCount);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallBankTest,
                         ::testing::Values(SmallBank{{12, 12, 12}, 0, 30}, SmallBank{{12, 12, 11}, 0, 30},
                                           SmallBank{{12, 11, 11}, 0, 29}, SmallBank{{10, 10, 10}, 0, 25},
                                           SmallBank{{3, 3, 2}, 0, 3}));

TEST_F(QuestionBankTest, CountsGroupsAndSharesTheTestAmongThem)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    EXPECT_EQ(BankPath, programDir() + QStringLiteral("test.db"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test - Test znalostí"));
    EXPECT_EQ(GroupCount, (std::array<qint32, 4>{0, 50, 40, 30}));
    EXPECT_EQ(GroupPercent, (std::array<qint32, 4>{0, 42, 33, 25}));
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{0, 12, 10, 8}));
}

TEST_F(QuestionBankTest, RecordsOfNoGroupCountOnlyInTheTotal)
{
    CreateWindow(makeBankRecords(10, 10, 10, 10));
    EXPECT_EQ(BankRecordCount, 40);
    EXPECT_EQ(GroupCount, (std::array<qint32, 4>{0, 10, 10, 10}));
    EXPECT_EQ(GroupPercent, (std::array<qint32, 4>{0, 50, 25, 25}));
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{0, 14, 8, 8}));
}

// Banks made by other tools keep the group and the answer in Short fields.
TEST_F(QuestionBankTest, ShortNumberFieldsReadLikeLongOnes)
{
    QList<BankRecord> records = makeBankRecords(12, 10, 8);
    for (BankRecord &record : records)
        record.cspravOdp = 2;
    writeBank(programDir() + QStringLiteral("test.db"), records, shortNumberFields());
    TForm2 *form = CreateWindow({});
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(GroupCount, (std::array<qint32, 4>{0, 12, 10, 8}));
    EXPECT_EQ(QuestionCount, 25);

    form->BBGtestClick();
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    for (int p = 1; p <= QuestionCount; ++p) {
        EXPECT_EQ(TestQuestions[p].wcspravOdp, 2) << p;
        EXPECT_EQ(TestQuestions[p].wdotaz, QStringLiteral("Otázka %1").arg(SelectedNumbers[p])) << p;
    }
}

TEST_F(QuestionBankTest, MissingBankIsReportedWithItsFullPath)
{
    TForm2 *form = CreateWindow({});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first(), QStringLiteral("Nenalezen soubor otázek ") + programDir() + QStringLiteral("test.db"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test"));
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(BankRecordCount, 0);
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{}));
    EXPECT_TRUE(form->BBGtest->isEnabled());
}

// A table cut short or no table at all: the engine's text is shown, start-up goes on.
class DamagedBankTest : public WindowFixture, public ::testing::WithParamInterface<int>
{
};

TEST_P(DamagedBankTest, IsReportedAndTheWindowStillOpens)
{
    const QString path = programDir() + QStringLiteral("test.db");
    writeBank(path, makeBankRecords(20, 20, 20));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(GetParam()));
    file.close();

    TForm2 *form = CreateWindow({});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_FALSE(messages.first().isEmpty());
    EXPECT_FALSE(messages.first().startsWith(QStringLiteral("Nenalezen")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test"));
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(form->BtnInfo->x(), 796);
}

INSTANTIATE_TEST_SUITE_P(CutAt, DamagedBankTest, ::testing::Values(0, 10, 100, 3000));

TEST_F(QuestionBankTest, EmptyBankOpensWithoutQuotas)
{
    writeBank(programDir() + QStringLiteral("test.db"), {});
    TForm2 *form = CreateWindow({});
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(BankRecordCount, 0);
    EXPECT_EQ(QuestionCount, -5);
    EXPECT_EQ(GroupPercent, (std::array<qint32, 4>{}));
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test - Test znalostí"));
}

TEST_F(QuestionBankTest, PasswordProtectedBankIsReportedAsProtected)
{
    const QString path = programDir() + QStringLiteral("test.db");
    writeBank(path, makeBankRecords(20, 20, 20));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(0x5C));
    ASSERT_EQ(file.write(QByteArray::fromHex("9ae0250a")), 4);
    file.close();

    TForm2 *form = CreateWindow({});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("chráněna heslem"))) << messages.first().toStdString();
    EXPECT_TRUE(messages.first().contains(path)) << messages.first().toStdString();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test"));
    EXPECT_EQ(BankRecordCount, 0);
}

TEST_F(QuestionBankTest, FolderNamedLikeTheBankIsAMissingBank)
{
    const QString path = programDir() + QStringLiteral("test.db");
    ASSERT_TRUE(QDir().mkpath(path));
    TForm2 *form = CreateWindow({});
    EXPECT_EQ(messages, QStringList{QStringLiteral("Nenalezen soubor otázek ") + path});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test"));
}

// 40 records of groups 1..3 whose numbers are unusable: `cis` is the field written as Cis, or
// none; its value is "x" in record 7.
void writeBankWithBadNumbers(const QString &path, const std::optional<paradox::FieldType> &cis)
{
    QList<paradox::FieldDef> fields{{QStringLiteral("Skupina"), paradox::FieldType::Short, 2},
                                    {QStringLiteral("Dotaz"), paradox::FieldType::Alpha, 40}};
    if (cis)
        fields.prepend({QStringLiteral("Cis"), *cis, 10});
    paradox::TableWriter writer(fields);
    for (int i = 0; i < 40; ++i) {
        QList<paradox::Value> values{qint64(i % 3 + 1), QStringLiteral("Otázka %1").arg(i)};
        if (cis)
            values.prepend(i == 7 ? QStringLiteral("x") : QString::number(i));
        writer.addRecord(values);
    }
    writer.write(path);
}

class UnusableNumbersTest : public WindowFixture, public ::testing::WithParamInterface<bool>
{
};

// Start-up needs only the groups; the draw names the field it cannot use.
TEST_P(UnusableNumbersTest, BankOpensAndTheDrawReportsTheField)
{
    const bool hasCis = GetParam();
    writeBankWithBadNumbers(programDir() + QStringLiteral("test.db"),
                            hasCis ? std::optional(paradox::FieldType::Alpha) : std::nullopt);
    TForm2 *form = CreateWindow({});
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(GroupCount, (std::array<qint32, 4>{0, 14, 13, 13}));
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(GroupQuota[1] + GroupQuota[2] + GroupQuota[3], 30);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test - Test znalostí"));

    form->BBGtest->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("Cis"))) << messages.first().toStdString();
    EXPECT_FALSE(messages.first().contains(QStringLiteral("není otevřen"))) << messages.first().toStdString();
    if (hasCis) {
        EXPECT_TRUE(messages.first().contains(QStringLiteral("„x“"))) << messages.first().toStdString();
    }
    EXPECT_FALSE(form->BBStest->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(CisField, UnusableNumbersTest, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "NotANumber" : "Missing"; });

}
