// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunFixture.h"

#include "app/HeaderControl.h"
#include "app/Unit2.h"
#include "bank/RandomGenerator.h"
#include "indicators/AbLED.h"
#include "platform/core/DateTime.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <optional>

namespace {

struct Pair
{
    qint32 number;
    qint32 group;
};

// The number/group pairs that TestCode lists, in the order of the draw.
QList<Pair> drawnPairs()
{
    QList<Pair> pairs;
    EXPECT_TRUE(TestCode.startsWith(QStringLiteral("kod: "))) << TestCode.toStdString();
    const QStringList items = TestCode.mid(5).split(u' ', Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const QStringList parts = item.split(u'/');
        EXPECT_EQ(parts.size(), 2) << item.toStdString();
        pairs.append({parts.value(0).toInt(), parts.value(1).toInt()});
    }
    return pairs;
}

QString questionText(int recordIndex)
{
    return QStringLiteral("Otázka %1").arg(recordIndex);
}

// The seed from which the generator's first draws below n are exactly `numbers`.
std::optional<quint32> seedDrawing(const QList<qint32> &numbers, qint32 n)
{
    constexpr quint32 multiplier = 134775813u;
    quint32 inverse = multiplier; // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - multiplier * inverse;
    const auto drawn = [n](quint32 state) { return qint32((quint64(state) * quint32(n)) >> 32); };
    const quint64 firstState = ((quint64(numbers.first()) << 32) + quint32(n) - 1) / quint32(n);
    for (quint64 state = firstState; drawn(quint32(state)) == numbers.first(); ++state) {
        quint32 next = quint32(state);
        bool matches = true;
        for (qsizetype i = 1; i < numbers.size() && matches; ++i) {
            next = next * multiplier + 1u;
            matches = drawn(next) == numbers[i];
        }
        if (matches)
            return (quint32(state) - 1u) * inverse;
    }
    return std::nullopt;
}

class TestGenerationTest : public WindowFixture
{
protected:
    // Generates with successive seeds until a test satisfies the condition.
    bool GenerateUntil(const std::function<bool()> &condition)
    {
        for (quint32 seed = 1; seed <= 200; ++seed) {
            RandSeed = seed;
            window->BBGtestClick();
            if (condition())
                return true;
        }
        return false;
    }

    bool Drew(qint32 number) const
    {
        return std::find(SelectedNumbers.begin() + 1, SelectedNumbers.begin() + 1 + QuestionCount,
                         number) != SelectedNumbers.begin() + 1 + QuestionCount;
    }
};

TEST_F(TestGenerationTest, EveryGroupGivesExactlyItsQuota)
{
    CreateWindow(makeBankRecords(50, 40, 30));
    ASSERT_EQ(GroupQuota, (std::array<qint32, 4>{0, 12, 10, 8}));
    for (quint32 seed : {1u, 77u, 0xDEADBEEFu}) {
        RandSeed = seed;
        window->BBGtestClick();
        const QList<Pair> pairs = drawnPairs();
        ASSERT_EQ(pairs.size(), 30);
        std::array<int, 4> perGroup{};
        QSet<qint32> numbers;
        for (int p = 1; p <= 30; ++p) {
            const Pair &pair = pairs[p - 1];
            ++perGroup[pair.group];
            numbers.insert(pair.number);
            EXPECT_EQ(SelectedNumbers[p], pair.number);
            // A bank numbered 0..N-1: number r is the record r, copied whole.
            const QString number = QString::number(pair.number);
            const Totazka &question = TestQuestions[p];
            EXPECT_EQ(question.wdotaz, questionText(pair.number));
            EXPECT_EQ(question.wodp1, QStringLiteral("Odpověď A ") + number);
            EXPECT_EQ(question.wodp2, QStringLiteral("Odpověď B ") + number);
            EXPECT_EQ(question.wodp3, QStringLiteral("Odpověď C ") + number);
            EXPECT_EQ(question.wkomentar, QStringLiteral("Komentář ") + number);
            EXPECT_EQ(question.wcspravOdp, pair.number % 3);
        }
        EXPECT_EQ(perGroup, (std::array<int, 4>{0, 12, 10, 8})) << "seed " << seed;
        EXPECT_EQ(numbers.size(), 30) << "seed " << seed;
        EXPECT_EQ(GroupDrawn, GroupQuota);
    }
}

TEST_F(TestGenerationTest, KnownDrawIsListedInTheOverviewAndTheCode)
{
    QList<BankRecord> bank = makeBankRecords(14, 13, 13);
    for (BankRecord &record : bank)
        record.skupina = 1 + record.cis % 3;
    bank[17].skupina = 1;
    bank[4].skupina = 2;
    bank[25].skupina = 3;
    CreateWindow(bank);
    const std::optional<quint32> seed = seedDrawing({17, 4, 25}, 40);
    ASSERT_TRUE(seed.has_value());
    RandSeed = *seed;
    window->BBGtestClick();

    EXPECT_TRUE(window->Label5->text().startsWith(QStringLiteral("Otazky číslo:,17/1  ,4/2  ,25/3  ,")))
        << window->Label5->text().toStdString();
    EXPECT_TRUE(TestCode.startsWith(QStringLiteral("kod: 17/1 4/2 25/3 "))) << TestCode.toStdString();
    EXPECT_EQ(TestQuestions[1].wdotaz, questionText(17));
    EXPECT_EQ(TestQuestions[2].wdotaz, questionText(4));
    EXPECT_EQ(TestQuestions[3].wdotaz, questionText(25));

    // Both texts list the same pairs, the overview with a comma before and two spaces after.
    QString overview = QStringLiteral("Otazky číslo:");
    for (const Pair &pair : drawnPairs())
        overview += QStringLiteral(",%1/%2  ").arg(pair.number).arg(pair.group);
    EXPECT_EQ(window->Label5->text(), overview);
    EXPECT_TRUE(TestCode.endsWith(u' '));
}

TEST_F(TestGenerationTest, BankNumberedFromOneListsTheLastRecordUnderZero)
{
    QList<BankRecord> bank = makeBankRecords(14, 13, 13);
    for (BankRecord &record : bank)
        ++record.cis;
    CreateWindow(bank);
    ASSERT_TRUE(GenerateUntil([this] { return Drew(0); }));

    for (int p = 1; p <= QuestionCount; ++p) {
        const qint32 number = SelectedNumbers[p];
        EXPECT_NE(number, 40) << "the number N is never drawn";
        // Number r names the record numbered r, i.e. the r-th; 0 names the last one.
        EXPECT_EQ(TestQuestions[p].wdotaz, questionText(number == 0 ? 39 : number - 1)) << p;
    }
    EXPECT_TRUE(TestCode.contains(QStringLiteral(" 0/3 "))) << TestCode.toStdString();
    EXPECT_TRUE(window->Label5->text().contains(QStringLiteral(",0/3  ")));
}

TEST_F(TestGenerationTest, NumbersWithoutARecordRepeatTheLastRecord)
{
    // Records 30..39 are numbered 1000.., so the numbers 30..39 all lead to the last record.
    QList<BankRecord> bank = makeBankRecords(15, 15, 10);
    for (int i = 30; i < bank.size(); ++i)
        bank[i].cis = 1000 + i;
    CreateWindow(bank);
    ASSERT_GE(GroupQuota[3], 2);
    RandSeed = 3;
    window->BBGtestClick();

    int lastRecordCopies = 0;
    for (int p = 1; p <= QuestionCount; ++p) {
        if (TestQuestions[p].wdotaz == questionText(39)) {
            ++lastRecordCopies;
            EXPECT_GE(SelectedNumbers[p], 30);
        } else {
            EXPECT_LT(SelectedNumbers[p], 30);
        }
    }
    EXPECT_EQ(lastRecordCopies, GroupQuota[3]);
}

TEST_F(TestGenerationTest, FirstRecordOfARepeatedNumberIsTaken)
{
    QList<BankRecord> bank = makeBankRecords(14, 13, 13);
    bank[20].cis = 3;
    bank[20].skupina = bank[3].skupina;
    CreateWindow(bank);
    ASSERT_TRUE(GenerateUntil([this] { return Drew(3); }));
    for (int p = 1; p <= QuestionCount; ++p) {
        EXPECT_NE(TestQuestions[p].wdotaz, questionText(20)) << p;
        if (SelectedNumbers[p] == 3) {
            EXPECT_EQ(TestQuestions[p].wdotaz, questionText(3));
        }
    }
}

TEST_F(TestGenerationTest, NegativeQuotaLeavesItsGroupOut)
{
    CreateWindow(makeBankRecords(0, 4, 4));
    ASSERT_EQ(GroupQuota, (std::array<qint32, 4>{0, -1, 2, 2}));
    RandSeed = 11;
    window->BBGtestClick();
    const QList<Pair> pairs = drawnPairs();
    ASSERT_EQ(pairs.size(), 3);
    for (const Pair &pair : pairs)
        EXPECT_TRUE(pair.group == 2 || pair.group == 3);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TestGenerationTest, GeneratingAgainStartsAfresh)
{
    CreateWindow(makeBankRecords(50, 40, 30));
    TestQuestions[31].wdotaz = QStringLiteral("z dřívějška");
    RandSeed = 1;
    window->BBGtestClick();
    const QString firstCode = TestCode;
    window->BBGtestClick();

    EXPECT_NE(TestCode, firstCode);
    const QList<Pair> pairs = drawnPairs();
    ASSERT_EQ(pairs.size(), 30);
    EXPECT_EQ(window->Label5->text().count(u','), 30);
    for (int p = 1; p <= 30; ++p)
        EXPECT_EQ(TestQuestions[p].wdotaz, questionText(pairs[p - 1].number));
    EXPECT_EQ(TestQuestions[31].wdotaz, QStringLiteral("z dřívějška"));
}

TEST_F(TestGenerationTest, ResetsTheWindowForTheNewTest)
{
    TForm2 *form = CreateWindow(makeBankRecords(12, 11, 11));
    // The state an evaluated test leaves behind.
    TestPhase = 2;
    form->Panel11->show();
    for (QLabel *marker : {form->Label12, form->Label13, form->Label14})
        marker->show();
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        memo->setPlainText(QStringLiteral("stará otázka"));
    for (int i = 0; i < 30; ++i) {
        form->IndicatorAt(i)->LED()->SetColorOff(clLime);
        form->IndicatorAt(i)->SetChecked(true);
        form->IndicatorAt(i)->show();
    }
    form->BBVytest->setEnabled(true);
    form->BitBtn1->setEnabled(true);
    form->Label1->setText(QStringLiteral("Vyhodnocení"));
    form->HeaderControl1->setSectionText(2, QStringLiteral("úspěšnost: 50%"));
    form->HeaderControl1->setSectionText(3, QStringLiteral("správně: 1"));

    RandSeed = 9;
    form->BBGtestClick();

    EXPECT_EQ(TestPhase, 0);
    EXPECT_EQ(form->ProgressBar1->maximum(), TimeToSeconds(TestDuration));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->Label2->text(), QStringLiteral("Otázka číslo "));
    EXPECT_EQ(form->HeaderControl1->sectionText(0),
              QStringLiteral("Čas testu: ") + DateTime::longTimeText(TestDuration));
    EXPECT_TRUE(form->HeaderControl1->sectionText(2).isEmpty());
    EXPECT_TRUE(form->HeaderControl1->sectionText(3).isEmpty());
    EXPECT_FALSE(form->Panel11->isVisibleTo(form));
    for (QLabel *marker : {form->Label12, form->Label13, form->Label14})
        EXPECT_FALSE(marker->isVisibleTo(form));
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        EXPECT_TRUE(memo->toPlainText().isEmpty());
    ASSERT_EQ(QuestionCount, 29);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(form->IndicatorAt(i)->isVisibleTo(form), i < 29) << i;
        EXPECT_EQ(form->IndicatorAt(i)->LED()->ColorOff(), clSilver) << i;
        EXPECT_TRUE(form->IndicatorAt(i)->Checked()) << "generating keeps the checked state";
    }
    EXPECT_TRUE(form->BBStest->isEnabled());
    EXPECT_TRUE(form->BtnTisk->isEnabled());
    EXPECT_TRUE(form->BtnTiskKlic->isEnabled());
    EXPECT_FALSE(form->BBVytest->isEnabled());
    EXPECT_TRUE(form->BitBtn1->isEnabled()) << "the answer buttons are left as they were";
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Vyhodnocení"));
}

struct RefusedBank
{
    int groups[3];
    int others;
};

class RefusedBankTest : public TestGenerationTest, public ::testing::WithParamInterface<RefusedBank>
{
};

// Each of these banks would make the draw run for ever.
TEST_P(RefusedBankTest, SaysWhyAndChangesNothing)
{
    const RefusedBank &bank = GetParam();
    TForm2 *form = CreateWindow(makeBankRecords(bank.groups[0], bank.groups[1], bank.groups[2], bank.others));
    ASSERT_TRUE(messages.isEmpty());
    form->BBGtestClick();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("nelze vylosovat test"))) << messages.first().toStdString();
    EXPECT_TRUE(TestCode.isEmpty());
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Otazky číslo:"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("Otázka číslo"));
    EXPECT_EQ(form->ProgressBar1->maximum(), 1000);
    EXPECT_FALSE(form->BBStest->isEnabled());
    EXPECT_FALSE(form->BtnTisk->isEnabled());
    for (int i = 0; i < 30; ++i)
        EXPECT_FALSE(form->IndicatorAt(i)->isVisibleTo(form)) << i;
    EXPECT_EQ(GroupDrawn, (std::array<qint32, 4>{}));
}

INSTANTIATE_TEST_SUITE_P(Banks, RefusedBankTest,
                         ::testing::Values(RefusedBank{{0, 5, 5}, 0}, RefusedBank{{1, 15, 15}, 0},
                                           RefusedBank{{10, 10, 10}, 10}, RefusedBank{{2, 2, 1}, 0}));

// The eight records of a bank whose quotas are -1/2/2: only one group-3 number can be drawn,
// and two of group 2 make up for the other.
TEST_F(TestGenerationTest, DrawThatEndsBelowOneQuotaIsNotRefused)
{
    QList<BankRecord> bank = makeBankRecords(0, 4, 4);
    const std::pair<qint32, qint32> numbered[] = {{0, 2}, {1, 2}, {2, 2}, {4, 3}, {50, 3}, {51, 3}, {52, 3}, {3, 2}};
    for (int i = 0; i < 8; ++i)
        std::tie(bank[i].cis, bank[i].skupina) = numbered[i];
    CreateWindow(bank);
    ASSERT_EQ(GroupQuota, (std::array<qint32, 4>{0, -1, 2, 2}));
    RandSeed = 2;
    window->BBGtestClick();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(GroupDrawn, (std::array<qint32, 4>{0, 0, 2, 1}));
    EXPECT_TRUE(window->BBStest->isEnabled());
}

// Another program changes test.db between two clicks of "Generuj test".
enum class BankChange { CutToNothing, Removed, AnotherBankCopiedOver };

class ChangedBankTest : public TestGenerationTest, public ::testing::WithParamInterface<BankChange>
{
};

TEST_P(ChangedBankTest, NextDrawOpensTheBankAgain)
{
    const BankChange change = GetParam();
    CreateWindow(makeBankRecords(50, 40, 30));
    window->BBGtest->click();
    ASSERT_TRUE(window->BBStest->isEnabled());
    const QString code = TestCode;
    const QString path = programDir() + QStringLiteral("test.db");
    if (change == BankChange::CutToNothing) {
        ASSERT_TRUE(QFile::resize(path, 0));
    } else {
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QFile::remove(programDir() + QStringLiteral("test.mb")));
    }
    if (change == BankChange::AnotherBankCopiedOver) {
        QList<BankRecord> other = makeBankRecords(12, 12, 12);
        for (BankRecord &record : other)
            record.dotaz = QStringLiteral("Nová %1").arg(record.cis);
        writeBank(programDir() + QStringLiteral("jiná.db"), other);
        ASSERT_TRUE(QFile::copy(programDir() + QStringLiteral("jiná.db"), path));
        ASSERT_TRUE(QFile::copy(programDir() + QStringLiteral("jiná.mb"), programDir() + QStringLiteral("test.mb")));
    }
    messages.clear();
    window->BBGtest->click();

    if (change != BankChange::AnotherBankCopiedOver) {
        ASSERT_EQ(messages.size(), 1) << messages.join(u'\n').toStdString();
        EXPECT_TRUE(messages.first().contains(path)) << messages.first().toStdString();
        EXPECT_EQ(TestCode, code) << "nothing is drawn from the bank held in memory";
        EXPECT_TRUE(window->BBStest->isEnabled()) << "the test drawn before still starts";
        return;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(BankRecordCount, 36);
    ASSERT_EQ(QuestionCount, 30);
    for (int p = 1; p <= QuestionCount; ++p)
        EXPECT_EQ(TestQuestions[p].wdotaz, QStringLiteral("Nová %1").arg(SelectedNumbers[p])) << p;
    EXPECT_TRUE(window->BBStest->isEnabled());
}

// Cut to nothing, removed, another bank copied over.
INSTANTIATE_TEST_SUITE_P(Change, ChangedBankTest,
                         ::testing::Values(BankChange::CutToNothing, BankChange::Removed,
                                           BankChange::AnotherBankCopiedOver));

// The bank changes under a test whose questions are all answered, and the draw from the new
// bank is refused or fails: the test goes on to its evaluation and review as it was drawn.
enum class NewBankDraw { Refused, Fails };

class DrawFromAChangedBankTest : public RunFixture, public ::testing::WithParamInterface<NewBankDraw>
{
};

TEST_P(DrawFromAChangedBankTest, UnsuccessfulDrawLeavesTheTestBeforeWhole)
{
    openWindow(50, 40, 30);
    generateAndStart();
    for (int n = 1; n <= 30; ++n)
        answerCurrent(true);
    ASSERT_EQ(TestPhase, PhaseRevisiting);
    const QString code = TestCode;
    const QString overview = window->Label5->text();
    if (GetParam() == NewBankDraw::Refused) {
        // Ten records give a test of five, one of them from the empty group 1.
        writeBank(programDir() + QStringLiteral("test.db"), makeBankRecords(0, 5, 5));
    } else {
        // Thirty records give a test of 25, but no question text reads.
        QList<BankRecord> bank = makeBankRecords(10, 10, 10);
        for (BankRecord &record : bank)
            record.dotaz = QString(3000, u'x');
        writeBank(programDir() + QStringLiteral("test.db"), bank);
        ASSERT_TRUE(QFile::resize(programDir() + QStringLiteral("test.mb"), 4096));
    }
    messages.clear();
    click(window->BBGtest);

    ASSERT_EQ(messages.size(), 1);
    const QString reason = GetParam() == NewBankDraw::Refused ? QStringLiteral("nelze vylosovat test")
                                                              : QStringLiteral("test.mb");
    EXPECT_TRUE(messages.first().contains(reason)) << messages.first().toStdString();
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(BankRecordCount, 120);
    EXPECT_EQ(GroupCount, (std::array<qint32, 4>{0, 50, 40, 30}));
    EXPECT_EQ(GroupPercent, (std::array<qint32, 4>{0, 42, 33, 25}));
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{0, 12, 10, 8}));
    EXPECT_EQ(TestCode, code);
    EXPECT_EQ(window->Label5->text(), overview);
    EXPECT_EQ(TestPhase, PhaseRevisiting);
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(window->IndicatorAt(i)->isVisibleTo(window.get())) << i;

    messages.clear();
    click(window->BBUtest);
    EXPECT_EQ(messages, QStringList{EndMessage});
    EXPECT_EQ(section(StatusCounts), QStringLiteral("správně: 30   špatně: 0"));
    EXPECT_EQ(section(StatusSuccessRate), QStringLiteral("úspěšnost: 100%"));
    clickIndicator(30);
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 30 / 30"));
}

INSTANTIATE_TEST_SUITE_P(NewBank, DrawFromAChangedBankTest,
                         ::testing::Values(NewBankDraw::Refused, NewBankDraw::Fails));

// A memo block that does not read fails some draws: the test drawn before stays whole.
TEST_F(TestGenerationTest, FailedDrawLeavesThePreviousTestWholeAndStartable)
{
    // Texts this long get a memo block each, so the damaged first block spoils one question only.
    QList<BankRecord> bank = makeBankRecords(50, 40, 30);
    for (BankRecord &record : bank)
        record.dotaz = QStringLiteral("Otázka %1 ").arg(record.cis) + QString(3000, u'x');
    CreateWindow(bank);
    {
        QFile memo(programDir() + QStringLiteral("test.mb"));
        ASSERT_TRUE(memo.open(QIODevice::ReadWrite));
        ASSERT_TRUE(memo.seek(4096));
        ASSERT_EQ(memo.write("\x07", 1), 1);
    }
    std::array<Totazka, QuestionSlots> whole{};
    QString wholeCode;
    bool drew = false;
    bool failedAfterADraw = false;
    for (quint32 seed = 1; seed <= 200 && !failedAfterADraw; ++seed) {
        RandSeed = seed;
        messages.clear();
        window->BBGtest->click();
        if (messages.isEmpty()) {
            whole = TestQuestions;
            wholeCode = TestCode;
            drew = true;
        } else {
            failedAfterADraw = drew;
        }
    }
    ASSERT_TRUE(failedAfterADraw) << "no seed drew a test and then failed";
    EXPECT_TRUE(window->BBStest->isEnabled());
    EXPECT_EQ(TestCode, wholeCode);
    for (int p = 1; p <= QuestionCount; ++p) {
        EXPECT_EQ(TestQuestions[p].wdotaz, whole[p].wdotaz) << p;
        EXPECT_EQ(TestQuestions[p].wcspravOdp, whole[p].wcspravOdp) << p;
        EXPECT_EQ(TestQuestions[p].wkomentar, whole[p].wkomentar) << p;
    }
}

TEST_F(TestGenerationTest, BankMissingAtStartUpIsOpenedOnceItIsThere)
{
    TForm2 *form = CreateWindow({});
    messages.clear();
    form->BBGtestClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first(), QStringLiteral("Z tohoto souboru otázek nelze vylosovat test: soubor otázek není otevřen."));
    EXPECT_TRUE(TestCode.isEmpty());
    EXPECT_FALSE(form->BBStest->isEnabled());
    EXPECT_EQ(QuestionCount, 30);

    writeBank(programDir() + QStringLiteral("test.db"), makeBankRecords(10, 10, 10));
    messages.clear();
    form->BBGtestClick();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(BankRecordCount, 30);
    EXPECT_EQ(QuestionCount, 25);
    EXPECT_EQ(GroupQuota, (std::array<qint32, 4>{0, 9, 8, 8}));
    EXPECT_EQ(drawnPairs().size(), 25);
    EXPECT_TRUE(form->BBStest->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Test - Test znalostí"));
}

TEST_F(TestGenerationTest, ButtonRunsTheDraw)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->BBGtest->click();
    EXPECT_EQ(drawnPairs().size(), 30);
    EXPECT_TRUE(form->BBStest->isEnabled());
}

}
