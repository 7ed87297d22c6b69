// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModalDriver.h"
#include "RunFixture.h"

#include "app/Unit2.h"
#include "platform/core/DateTime.h"
#include "settings/Konfigurace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr double OneMillisecond = 1.0 / DateTime::MillisecondsPerDay;

double seconds(int count)
{
    return count / 86400.0;
}

QString countdownText(int minutes, int secs, int totalMinutes)
{
    const double remaining = DateTime::encodeTime(0, minutes, secs, 0);
    const double length = DateTime::encodeTime(0, totalMinutes, 0, 0);
    return QStringLiteral("Zbývající čas: %1 / %2")
        .arg(DateTime::longTimeText(remaining), DateTime::longTimeText(length));
}

}

using TestRun = RunFixture;

TEST_F(TestRun, WholeRunWithRevisitEndsInAnEvaluation)
{
    openWindow(50, 40, 30);
    generateAndStart();
    EXPECT_FALSE(window->BBStest->isEnabled());
    EXPECT_TRUE(window->BBUtest->isEnabled());
    EXPECT_FALSE(window->BBKtest->isEnabled());
    EXPECT_FALSE(window->BtnTisk->isEnabled());
    EXPECT_FALSE(window->BtnTiskKlic->isEnabled());
    EXPECT_TRUE(window->TimerTest->isActive());
    EXPECT_EQ(window->ProgressBar1->maximum(), 1799);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Zadejte prosím správnou odpověď"));
    EXPECT_TRUE(indicatorChecked(1));
    EXPECT_FALSE(indicatorChecked(2));

    // Every third question answered wrongly.
    for (int n = 1; n <= 30; ++n) {
        ASSERT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo %1 / 30").arg(n));
        ASSERT_EQ(window->Memo2->toPlainText(), TestQuestions[n].wdotaz);
        ASSERT_EQ(window->Memo1->toPlainText(), TestQuestions[n].wodp1);
        ASSERT_EQ(window->Memo3->toPlainText(), TestQuestions[n].wodp2);
        ASSERT_EQ(window->Memo4->toPlainText(), TestQuestions[n].wodp3);
        answerCurrent(n % 3 != 0);
        ASSERT_EQ(TestQuestions[n].wspravneodpovezeno, n % 3 != 0 ? 1 : 2) << n;
        if (n < 30) {
            ASSERT_TRUE(indicatorChecked(n + 1)) << n;
        }
    }
    EXPECT_EQ(TestPhase, 1);
    EXPECT_FALSE(window->BitBtn1->isEnabled());
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 30 / 30"));
    for (int n = 1; n <= 30; ++n)
        EXPECT_TRUE(indicatorChecked(n)) << n;

    const int given = TestQuestions[3].wodpovezeno;
    clickIndicator(3);
    EXPECT_FALSE(indicatorChecked(3));
    EXPECT_TRUE(window->BitBtn1->isEnabled() && window->BitBtn2->isEnabled()
                && window->BitBtn3->isEnabled());
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 3 / 30"));
    EXPECT_EQ(window->Memo2->toPlainText(), TestQuestions[3].wdotaz);
    EXPECT_EQ(shownMarker(given), QStringLiteral("vaše odpověď"));
    EXPECT_EQ(textColour(window->markerLabel(given)), QColor(0, 0, 255));
    EXPECT_TRUE(shownMarker((given + 1) % 3).isEmpty());
    EXPECT_TRUE(shownMarker((given + 2) % 3).isEmpty());

    answerCurrent(true);
    EXPECT_EQ(TestQuestions[3].wspravneodpovezeno, 1);
    EXPECT_EQ(CurrentQuestion, 3);
    EXPECT_EQ(TestPhase, 1);
    EXPECT_FALSE(window->BitBtn2->isEnabled());
    EXPECT_TRUE(shownMarker(given).isEmpty());

    click(window->BBUtest);
    EXPECT_EQ(messages, QStringList{EndMessage});
    EXPECT_FALSE(window->TimerTest->isActive());
    EXPECT_TRUE(window->BBVytest->isEnabled());
    EXPECT_FALSE(window->BBUtest->isEnabled());
    EXPECT_FALSE(window->BBStest->isEnabled());
    EXPECT_TRUE(window->BBKtest->isEnabled());
    EXPECT_TRUE(window->BtnTisk->isEnabled());
    EXPECT_TRUE(window->BtnTiskKlic->isEnabled());
    EXPECT_FALSE(window->BitBtn3->isEnabled());
    EXPECT_EQ(TestPhase, 2);
    for (int n = 1; n <= 30; ++n) {
        EXPECT_FALSE(indicatorChecked(n)) << n;
        EXPECT_EQ(indicatorColour(n), n % 3 != 0 || n == 3 ? clGreen : clRed) << n;
    }
    EXPECT_EQ(section(3), QStringLiteral("správně: 21   špatně: 9"));
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: 70%"));
    EXPECT_TRUE(window->Panel11->isVisibleTo(window.get()));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Možné odpovědi na otázku"));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo "));
    EXPECT_TRUE(window->Memo2->toPlainText().isEmpty());
}

TEST_F(TestRun, IndicatorClickWhileRunningChangesOnlyItsOwnState)
{
    openWindow(50, 40, 30);
    generateAndStart();
    answerCurrent(true);
    clickIndicator(4);
    EXPECT_FALSE(indicatorChecked(4));
    EXPECT_TRUE(indicatorChecked(2));
    EXPECT_EQ(CurrentQuestion, 2);
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 2 / 30"));
    for (int k = 0; k <= 2; ++k)
        EXPECT_TRUE(shownMarker(k).isEmpty());
}

TEST_F(TestRun, SingleQuestionTestIsAllAnsweredAfterOneAnswer)
{
    openWindow(2, 2, 2);
    ASSERT_EQ(QuestionCount, 1);
    generateAndStart();
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 1 / 1"));
    answerCurrent(false);
    EXPECT_EQ(TestPhase, 1);
    EXPECT_TRUE(AllAnswered);
    EXPECT_FALSE(window->BitBtn1->isEnabled());
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 1 / 1"));
    EXPECT_TRUE(indicatorChecked(1));
    EXPECT_EQ(TestQuestions[1].wspravneodpovezeno, 2);
}

TEST_F(TestRun, StartClearsTheEvaluationOfEverySlot)
{
    openWindow(50, 40, 30);
    generateAndStart();
    for (int n = 1; n <= 30; ++n)
        answerCurrent(true);
    click(window->BBUtest);
    for (int slot = 31; slot <= 300; ++slot)
        TestQuestions[slot].wspravneodpovezeno = 1;

    generateAndStart();
    for (int slot = 1; slot <= 300; ++slot)
        ASSERT_EQ(TestQuestions[slot].wspravneodpovezeno, 0) << slot;
    click(window->BBUtest);
    EXPECT_EQ(section(3), QStringLiteral("správně: 0   špatně: 0   neodpovězeno: 30"));
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: 0%"));
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(indicatorColour(n), clBlue) << n;
}

TEST_F(TestRun, CorrectAnswerOutsideTheThreeIsAlwaysWrong)
{
    QList<BankRecord> bank = makeBankRecords(5, 5, 5);
    for (BankRecord &record : bank)
        record.cspravOdp = 3;
    openWindow(bank);
    generateAndStart();
    for (int k = 0; k <= 2; ++k)
        click(answerButton(k));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(TestQuestions[n].wspravneodpovezeno, 2) << n;

    click(window->BBUtest);
    clickIndicator(2);
    EXPECT_TRUE(shownMarker(0).isEmpty());
    EXPECT_EQ(shownMarker(1), QStringLiteral("vaše chybná odpověď"));
    EXPECT_TRUE(shownMarker(2).isEmpty());
    clickIndicator(4);
    for (int k = 0; k <= 2; ++k)
        EXPECT_TRUE(shownMarker(k).isEmpty()) << k;
}

TEST_F(TestRun, GeneratingWhileRunningKeepsTheCountdownAndPosition)
{
    openWindow(50, 40, 30);
    generateAndStart();
    const double end = TestEnd;
    for (int n = 1; n <= 3; ++n)
        answerCurrent(true);

    click(window->BBGtest);
    EXPECT_TRUE(window->BBStest->isEnabled());
    EXPECT_TRUE(window->TimerTest->isActive());
    EXPECT_TRUE(window->BBUtest->isEnabled());
    EXPECT_TRUE(window->BitBtn1->isEnabled());
    EXPECT_EQ(CurrentQuestion, 4);
    EXPECT_EQ(TestPhase, 0);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Zadejte prosím správnou odpověď"));

    answerCurrent(false);
    EXPECT_EQ(TestQuestions[4].wspravneodpovezeno, 2);
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 5 / 30"));
    tickAt(end + OneMillisecond);
    EXPECT_EQ(messages, QStringList{EndMessage});
    EXPECT_EQ(TestPhase, 2);
}

TEST_F(TestRun, RestartAfterGeneratingKeepsTheInterruptedChecks)
{
    openWindow(50, 40, 30);
    generateAndStart();
    answerCurrent(true);
    answerCurrent(true);
    now += seconds(100);
    generateAndStart();
    EXPECT_EQ(CurrentQuestion, 1);
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 1 / 30"));
    EXPECT_TRUE(indicatorChecked(3));
    EXPECT_DOUBLE_EQ(TestStart, now);
}

// A reading passage longer than its box: the reader starts at its first line, in the run and
// in the review, also after scrolling the previous text to its end.
TEST_F(TestRun, LongTextsShowFromTheirFirstLine)
{
    QList<BankRecord> bank = makeBankRecords(50, 40, 30);
    for (BankRecord &record : bank) {
        QStringList lines;
        for (int line = 1; line <= 40; ++line)
            lines.append(QStringLiteral("Řádek %1 záznamu %2").arg(line).arg(record.cis));
        const QString text = lines.join(u'\n');
        record.dotaz = record.odp1 = record.odp2 = record.odp3 = record.komentar = text;
    }
    openWindow(bank);
    const auto expectFromFirstLine = [this](const char *where) {
        for (QPlainTextEdit *box : {window->Memo2, window->Memo1, window->Memo3, window->Memo4}) {
            SCOPED_TRACE(where + box->objectName().toStdString());
            ASSERT_GT(box->verticalScrollBar()->maximum(), 0) << "the text is longer than its box";
            EXPECT_EQ(box->verticalScrollBar()->value(), 0);
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        }
    };
    generateAndStart();
    expectFromFirstLine("question 1: ");
    answerCurrent(true);
    expectFromFirstLine("question 2: ");

    click(window->BBUtest);
    clickIndicator(1);
    expectFromFirstLine("review: ");
    ASSERT_GT(window->Memo5->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->Memo5->verticalScrollBar()->value(), 0);
    EXPECT_EQ(window->Memo5->toPlainText(), TestQuestions[1].wkomentar);
}

using Countdown = RunFixture;

TEST_F(Countdown, EndsAtTheFirstTickLaterThanTheEnd)
{
    openWindow(50, 40, 30);
    generateAndStart();
    const double start = now;
    tickAt(start + seconds(10));
    EXPECT_EQ(section(0), countdownText(29, 50, 30));
    EXPECT_EQ(window->ProgressBar1->value(), 10);

    tickAt(TestEnd);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(window->TimerTest->isActive());
    EXPECT_EQ(section(0), countdownText(0, 0, 30));
    EXPECT_EQ(window->ProgressBar1->value(), 1799);

    tickAt(TestEnd + OneMillisecond);
    EXPECT_EQ(messages, QStringList{EndMessage});
    EXPECT_FALSE(window->TimerTest->isActive());
    EXPECT_TRUE(window->BBVytest->isEnabled());
    EXPECT_FALSE(window->BitBtn1->isEnabled());
    EXPECT_EQ(section(0), countdownText(0, 0, 30));
    EXPECT_EQ(section(3), QStringLiteral("správně: 0   špatně: 0   neodpovězeno: 30"));

    // A tick that arrives after the end changes nothing.
    tickAt(TestEnd + seconds(5));
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(Countdown, LateTicksDoNotMoveTheEnd)
{
    openWindow(50, 40, 30);
    generateAndStart();
    const double start = now;
    tickAt(start + seconds(60));
    EXPECT_EQ(section(0), countdownText(29, 0, 30));
    tickAt(start + seconds(1801));
    EXPECT_EQ(messages, QStringList{EndMessage});
}

TEST_F(Countdown, TestAcrossMidnightEndsOnTime)
{
    now = 45000 + DateTime::encodeTime(23, 50, 0, 0);
    openWindow(50, 40, 30);
    generateAndStart();
    tickAt(45001 + DateTime::encodeTime(0, 5, 0, 0));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(section(0), countdownText(15, 0, 30));
    EXPECT_EQ(window->ProgressBar1->value(), 900);
    tickAt(45001 + DateTime::encodeTime(0, 20, 1, 0));
    EXPECT_EQ(messages, QStringList{EndMessage});
}

TEST_F(Countdown, ZeroMinuteTestStartsAndEndsAtTheFirstTick)
{
    openWindow(50, 40, 30, "[Test]\nDobaTestu=0\n");
    // A range of 0..0 would make the bar busy; it stays empty from generation on.
    const auto expectEmptyBar = [this](const char *when) {
        EXPECT_LT(window->ProgressBar1->minimum(), window->ProgressBar1->maximum()) << when;
        EXPECT_EQ(window->ProgressBar1->value(), window->ProgressBar1->minimum()) << when;
    };
    click(window->BBGtest);
    expectEmptyBar("generated");
    click(window->BBStest);
    expectEmptyBar("started");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(window->TimerTest->isActive());
    EXPECT_TRUE(window->BitBtn1->isEnabled());
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 1 / 30"));
    tickAt(now + seconds(1));
    EXPECT_EQ(messages, QStringList{EndMessage});
    expectEmptyBar("ended");
}

// What an earlier test's countdown left must not show as time elapsed of a 0-minute test.
TEST_F(Countdown, ZeroMinuteTestAfterAnEarlierTestEndsWithAnEmptyBar)
{
    openWindow(50, 40, 30);
    generateAndStart();
    tickAt(now + seconds(10));
    click(window->BBUtest);
    whenShown(FrmKonfig, [] {
        FrmKonfig->Edit1->setText(QStringLiteral("0"));
        FrmKonfig->BitBtn1->click();
    });
    click(window->BBKtest);
    ASSERT_EQ(TimeToSeconds(TestDuration), 0);
    messages.clear();

    generateAndStart();
    tickAt(now + seconds(1));
    EXPECT_EQ(messages, QStringList{EndMessage});
    EXPECT_EQ(window->ProgressBar1->value(), window->ProgressBar1->minimum());
}
