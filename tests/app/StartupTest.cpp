// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/HeaderControl.h"
#include "app/MaximisedGeometry.h"
#include "app/Unit2.h"
#include "indicators/AbLED.h"
#include "platform/core/DateTime.h"
#include "platform/core/ProfileFile.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {

using StartupTest = WindowFixture;

TEST_F(StartupTest, IndicatorsAreCollectedInOrderAndStayHidden)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    for (int i = 0; i < 30; ++i) {
        TAbLED *indicator = form->IndicatorAt(i);
        ASSERT_NE(indicator, nullptr) << i;
        EXPECT_EQ(indicator->objectName(), QStringLiteral("AbLED%1").arg(i + 1));
        EXPECT_EQ(indicator->parentWidget(), form->GroupBox1);
        EXPECT_EQ(indicator->Caption(), QString::number(i + 1));
        EXPECT_FALSE(indicator->isVisibleTo(form)) << i;
        EXPECT_FALSE(indicator->Checked()) << i;
        EXPECT_EQ(indicator->LED()->ColorOff(), clSilver) << i;
        EXPECT_EQ(indicator->LED()->ColorOn(), clAqua) << i;
        EXPECT_EQ(indicator->Mode(), mButton) << i;
        EXPECT_EQ(indicator->LED_Position(), lpTop) << i;
        EXPECT_EQ(indicator->Spacing(), 1) << i;
        EXPECT_FALSE(indicator->Flashing()) << i;
        EXPECT_EQ(indicator->y(), 5) << i;
        EXPECT_EQ(indicator->size(), QSize(20, 30)) << i;
    }
    EXPECT_EQ(form->IndicatorAt(30), nullptr);
    EXPECT_EQ(form->IndicatorAt(-1), nullptr);
}

TEST_F(StartupTest, ControlsStartInTheirFormState)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    EXPECT_TRUE(form->BBGtest->isEnabled());
    EXPECT_FALSE(form->BBStest->isEnabled());
    EXPECT_FALSE(form->BBUtest->isEnabled());
    EXPECT_TRUE(form->BBKtest->isEnabled());
    EXPECT_FALSE(form->BBVytest->isEnabled());
    EXPECT_FALSE(form->BBVytest->isVisibleTo(form));
    EXPECT_FALSE(form->BtnTisk->isEnabled());
    EXPECT_FALSE(form->BtnTiskKlic->isEnabled());
    EXPECT_TRUE(form->BtnInfo->isEnabled());
    for (QPushButton *answer : {form->BitBtn1, form->BitBtn2, form->BitBtn3})
        EXPECT_FALSE(answer->isEnabled());
    for (QLabel *marker : {form->Label12, form->Label13, form->Label14}) {
        EXPECT_FALSE(marker->isVisibleTo(form));
        EXPECT_EQ(marker->text(), QStringLiteral("správná odpověď"));
    }
    EXPECT_FALSE(form->Panel11->isVisibleTo(form));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Zvolte prosím správnou odpověď"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("Otázka číslo"));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Otazky číslo:"));
    EXPECT_EQ(form->Label15->text(), QStringLiteral("Komentář k otázce"));
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5}) {
        EXPECT_TRUE(memo->toPlainText().isEmpty());
        EXPECT_FALSE(memo->isReadOnly());
        // The text boxes write in the form's face, their documents too.
        EXPECT_EQ(memo->font().families(), form->font().families());
        EXPECT_EQ(QFontInfo(memo->document()->defaultFont()).family(), QFontInfo(form->font()).family());
    }
    EXPECT_EQ(form->ProgressBar1->minimum(), 0);
    EXPECT_EQ(form->ProgressBar1->maximum(), 1000);
    EXPECT_FALSE(form->TimerTest->isActive());
    EXPECT_EQ(form->TimerTest->interval(), 1000);
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
}

TEST_F(StartupTest, StatusLineHasFiveEmptySections)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    const THeaderControl *status = form->HeaderControl1;
    ASSERT_EQ(status->sectionCount(), 5);
    const int widths[] = {230, 50, 150, 320, 50};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(status->sectionWidth(i), widths[i]);
        EXPECT_TRUE(status->sectionText(i).isEmpty()) << i;
    }
    EXPECT_EQ(status->height(), 30);
}

TEST_F(StartupTest, ProgramStateIsSetUp)
{
    CreateWindow(makeBankRecords(50, 40, 30));
    EXPECT_EQ(ProgramDir, programDir());
    EXPECT_EQ(QuestionCount, 30);
    EXPECT_EQ(TestPhase, 0);
    EXPECT_FALSE(KeyPrintRequest);
    EXPECT_EQ(PrintLineLength, 110);
    EXPECT_EQ(CorrectColor, clLime);
    EXPECT_EQ(WrongColor, clRed);
    EXPECT_EQ(AnswerColor, clBlue);
    EXPECT_EQ(UnansweredColor, clBlue);
    ASSERT_NE(SettingsFile, nullptr);
    EXPECT_EQ(SettingsFile->path(), programDir() + QStringLiteral("Test.ini"));
}

TEST_F(StartupTest, DefaultsApplyWithoutSettingsFile)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    EXPECT_EQ(TimeToSeconds(TestDuration), 1800);
    EXPECT_EQ(PrinterLeftMargin, 10);
    EXPECT_EQ(TextFontSize, 10);
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        EXPECT_EQ(memo->font().pointSize(), 10);
    EXPECT_FALSE(QFile::exists(programDir() + QStringLiteral("Test.ini"))) << "nothing is written at start-up";
}

struct TextSize
{
    const char *ini;
    qint32 points;
};

class TextSizeTest : public WindowFixture, public ::testing::WithParamInterface<TextSize>
{
};

TEST_P(TextSizeTest, FollowsTheStoredIndex)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30), GetParam().ini);
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        EXPECT_EQ(memo->font().pointSize(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Index, TextSizeTest,
                         ::testing::Values(TextSize{"[Test]\nIVelPisOt=0\n", 8},
                                           TextSize{"[Test]\nIVelPisOt=2\n", 12},
                                           TextSize{"[test]\nivelpisot=1\n", 10},
                                           TextSize{"[Test]\nIVelPisOt=5\n", 10},
                                           TextSize{"[Test]\nIVelPisOt=-1\n", 10}));

TEST_F(StartupTest, MarginIsReadWhateverTheKeyCase)
{
    CreateWindow(makeBankRecords(50, 40, 30), "[tisk]\nlokrtisk=25\n");
    EXPECT_EQ(PrinterLeftMargin, 25);
}

TEST_F(StartupTest, ToolbarButtonsStandInARowWithAGapForTheHiddenOne)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    const QList<QPushButton *> order{form->BBGtest, form->BBStest, form->BBUtest, form->BBKtest,
                                     form->BBVytest, form->BtnTisk, form->BtnTiskKlic, form->BtnInfo};
    const int lefts[] = {5, 118, 231, 344, 457, 570, 683, 796};
    for (int i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i]->geometry(), QRect(lefts[i], 1, 110, 25)) << order[i]->objectName().toStdString();
        EXPECT_EQ(order[i]->parentWidget(), form->Panel8);
        // Every visible button carries a picture.
        EXPECT_EQ(order[i]->icon().isNull(), order[i] == form->BBVytest)
            << order[i]->objectName().toStdString();
    }
    EXPECT_EQ(form->Panel8->height(), 29);
    EXPECT_EQ(form->BBGtest->text(), QStringLiteral("Generuj test"));
    EXPECT_EQ(form->BtnTiskKlic->text(), QStringLiteral("Tisk - Klíč"));
    EXPECT_EQ(form->BtnInfo->text(), QStringLiteral("Více informací"));
}

struct Spread
{
    int width;
    int step;
};

class LayoutIndicatorsTest : public WindowFixture, public ::testing::WithParamInterface<Spread>
{
};

TEST_P(LayoutIndicatorsTest, PlacesIndicatorKAtKSteps)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->GroupBox1->resize(GetParam().width, 40);
    form->LayoutIndicators();
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(form->IndicatorAt(k - 1)->x(), k * GetParam().step) << k;
        EXPECT_EQ(form->IndicatorAt(k - 1)->y(), 5) << k;
    }
}

// Halves round to the even neighbour: 16 / 32 gives 0, 80 / 32 gives 2, 112 / 32 gives 4.
INSTANTIATE_TEST_SUITE_P(Widths, LayoutIndicatorsTest,
                         ::testing::Values(Spread{857, 27}, Spread{1916, 60}, Spread{16, 0}, Spread{80, 2},
                                           Spread{112, 4}));

TEST_F(StartupTest, ResizingTheWindowSpreadsTheIndicatorsAgain)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->setWindowState(Qt::WindowNoState);
    form->resize(861, 702);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    ASSERT_EQ(form->GroupBox1->width(), 857);
    EXPECT_EQ(form->IndicatorAt(29)->x(), 30 * 27);

    form->resize(1920, 702);
    QApplication::processEvents();
    ASSERT_EQ(form->GroupBox1->width(), 1916);
    for (int k = 1; k <= 30; ++k)
        EXPECT_EQ(form->IndicatorAt(k - 1)->x(), k * 60) << k;
}

TEST_F(StartupTest, DrawnListNeverWidensTheWindow)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->setWindowState(Qt::WindowNoState);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    form->BBGtestClick();
    ASSERT_GT(form->Label5->fontMetrics().horizontalAdvance(form->Label5->text()), 861);
    QApplication::processEvents();
    form->resize(861, 702);
    QApplication::processEvents();
    EXPECT_EQ(form->width(), 861);
    EXPECT_EQ(form->IndicatorAt(29)->x(), 30 * 27);
}

// Lower than the design (a netbook's 1024 x 600), the window keeps the size it is given and only
// the question, the answers and the comment scroll: the toolbar, the indicators, the progress bar
// and the status line stay in view.
TEST_F(StartupTest, WindowLowerThanTheDesignScrollsOnlyTheQuestionAndAnswers)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->setWindowState(Qt::WindowNoState);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    for (const QSize size : {QSize(1024, 600), QSize(800, 480)}) {
        form->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(form->size(), size);
        auto *outer = qobject_cast<QScrollArea *>(form->centralWidget());
        ASSERT_NE(outer, nullptr);
        EXPECT_FALSE(outer->verticalScrollBar()->isVisible()) << "the window as a whole does not scroll";
        for (QWidget *fixed : {static_cast<QWidget *>(form->Panel8), static_cast<QWidget *>(form->GroupBox1),
                               static_cast<QWidget *>(form->ProgressBar1), static_cast<QWidget *>(form->HeaderControl1)}) {
            const QRect place(fixed->mapTo(form, QPoint(0, 0)), fixed->size());
            EXPECT_TRUE(form->rect().contains(place)) << fixed->objectName().toStdString() << " at " << size.height();
        }
        auto *questions = form->findChild<QScrollArea *>(QStringLiteral("QuestionScroll"));
        ASSERT_NE(questions, nullptr);
        EXPECT_EQ(form->Panel2->height(), 505);
        EXPECT_TRUE(questions->verticalScrollBar()->isVisible());
        questions->verticalScrollBar()->setValue(questions->verticalScrollBar()->maximum());
        const QPoint lastAnswer = form->BitBtn3->mapTo(questions->viewport(), QPoint(0, 0));
        EXPECT_LE(lastAnswer.y() + form->BitBtn3->height(), questions->viewport()->height());
    }
}

// As large as the design or larger, every panel stands where the form puts it, one below the
// other, and the status line at the bottom.
TEST_F(StartupTest, WindowOfTheDesignSizeOrLargerScrollsNothing)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->setWindowState(Qt::WindowNoState);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    for (const auto &[size, comment] : {std::pair{QSize(861, 702), false}, std::pair{QSize(1920, 1080), true}}) {
        form->Panel11->setVisible(comment);
        form->resize(size);
        // A panel shown asks the panels around it for room, one round of events a level.
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
        const auto top = [form](QWidget *panel) { return panel->mapTo(form->Panel1, QPoint(0, 0)).y(); };
        EXPECT_EQ(top(form->Panel8), 2);
        EXPECT_EQ(top(form->Panel2), 31);
        EXPECT_EQ(top(form->Panel10), comment ? 31 + 505 + 66 : 31 + 505);
        EXPECT_EQ(top(form->HeaderControl1) + 30 + 2, form->Panel1->height());
        auto *questions = form->findChild<QScrollArea *>(QStringLiteral("QuestionScroll"));
        EXPECT_FALSE(questions->verticalScrollBar()->isVisible());
        EXPECT_FALSE(qobject_cast<QScrollArea *>(form->centralWidget())->verticalScrollBar()->isVisible());
    }
}

TEST(MaximisedGeometry, OnlyABareXServerLeavesTheScreenToTheProgram)
{
    const QRect available(0, 0, 1366, 768);
    const std::tuple<const char *, bool, QRect, std::optional<QRect>> cases[] = {
        {"bare X, design size", false, QRect(0, 0, 861, 702), available},
        {"bare X, short of the height", false, QRect(0, 0, 1366, 702), available},
        {"bare X, covering the screen", false, available, std::nullopt},
        {"window manager or compositor, not yet maximised", true, QRect(0, 0, 861, 702), std::nullopt},
    };
    for (const auto &[where, systemMaximises, frame, own] : cases)
        EXPECT_EQ(ownMaximisedGeometry(systemMaximises, frame, available), own) << where;
}

TEST_F(StartupTest, InformationButtonOpensTheHelpBesideTheProgram)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    const QString page = programDir() + QStringLiteral("napoveda.html");
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens);
        urlOpens = opens;
        openedUrls.clear();
        messages.clear();
        QTest::mouseClick(form->BtnInfo, Qt::LeftButton);
        ASSERT_EQ(openedUrls.size(), 1);
        EXPECT_EQ(openedUrls.first(), QUrl::fromLocalFile(page));
        if (opens) {
            EXPECT_TRUE(messages.isEmpty());
        } else {
            // Nothing opened it: the user is told where the page is.
            ASSERT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages.first().endsWith(u'\n' + page)) << messages.first().toStdString();
        }
    }
}

TEST(HelpPage, IsCzechAndExplainsTestsAndBanks)
{
    QFile page(QStringLiteral(TZ_SOURCE_DIR "/app/napoveda.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("lang=\"cs\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\"")));
    for (const char *caption : {"Generuj test", "Start testu", "Ukončení testu", "Konfigurace", "Tisk testu",
                                "Tisk - Klíč", "test-znalosti-banka build", "test-znalosti-banka check", "test.db",
                                "Test.ini", "~/.local/share/test-znalosti/", "heslo, dokud ho nikdo nezmění, je <b>0</b>",
                                "Moodle XML", "GIFT", "Aiken", "--skupina JMÉNO=SKUPINA"})
        EXPECT_TRUE(html.simplified().contains(QString::fromUtf8(caption))) << caption;
}

}
