// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/HeaderControl.h"
#include "app/Unit2.h"
#include "indicators/AbLED.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <ostream>

// Failures show texts as text.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The main window as a screen reader and a keyboard user find it, on a bank of 90 questions.
class WindowAccess : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        CreateWindow(makeBankRecords(40, 30, 20));
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static QAccessibleInterface *Access(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    QStringList StatusLineNames() const
    {
        QStringList names;
        QAccessibleInterface *line = Access(window->HeaderControl1);
        for (int i = 0; i < line->childCount(); ++i)
            names.append(line->child(i)->text(QAccessible::Name));
        return names;
    }

    void Press(QObject *control)
    {
        QAccessibleActionInterface *actions = Access(control)->actionInterface();
        ASSERT_NE(actions, nullptr);
        actions->doAction(QAccessibleActionInterface::pressAction());
        // Buttons and indicators carry the press out from the event loop.
        QTest::qWait(150);
    }

    void GenerateAndStart()
    {
        Press(window->BBGtest);
        Press(window->BBStest);
        ASSERT_EQ(CurrentQuestion, 1);
    }

    // The focus chain from the widget that has the focus, by object name, until it returns.
    QStringList TabWalk(int steps)
    {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QWidget *focused = QApplication::focusWidget();
            if (!focused)
                break;
            names.append(focused->objectName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        return names;
    }

    // A tab walk keeps, in their order, the names that matter here.
    static QStringList Kept(const QStringList &walk, const QStringList &wanted)
    {
        QStringList kept;
        for (const QString &name : walk)
            if (wanted.contains(name) && !kept.contains(name))
                kept.append(name);
        return kept;
    }
};

TEST_F(WindowAccess, StatusLineIsFiveItemsNamedByTheirTextsEmptyOnesIncluded)
{
    QAccessibleInterface *line = Access(window->HeaderControl1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    ASSERT_EQ(line->childCount(), 5);
    EXPECT_EQ(StatusLineNames(), QStringList(5, QString()));

    GenerateAndStart();
    Press(window->BBUtest);
    const QStringList names = StatusLineNames();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(names[i], window->HeaderControl1->sectionText(i)) << i;
    EXPECT_TRUE(names[2].startsWith(QStringLiteral("úspěšnost: "))) << names[2].toStdString();
    EXPECT_TRUE(names[1].isEmpty());
    EXPECT_TRUE(names[4].isEmpty());

    // The same items each time, each knowing its place in the line.
    QAccessibleInterface *third = line->child(2);
    EXPECT_EQ(line->child(2), third);
    EXPECT_EQ(line->indexOfChild(third), 2);
    EXPECT_EQ(third->parent(), line);
    const QRect area = third->rect();
    EXPECT_EQ(area.width(), 150);
    EXPECT_EQ(line->childAt(area.center().x(), area.center().y()), third);
}

TEST_F(WindowAccess, EvaluatedIndicatorsDescribeTheirColourUntilTheNextTest)
{
    GenerateAndStart();
    // Question 1 right, 2 wrong, the rest unanswered.
    const int right = TestQuestions[1].wcspravOdp;
    Press(QList<QPushButton *>{window->BitBtn1, window->BitBtn2, window->BitBtn3}[right]);
    const int wrong = (TestQuestions[2].wcspravOdp + 1) % 3;
    Press(QList<QPushButton *>{window->BitBtn1, window->BitBtn2, window->BitBtn3}[wrong]);
    Press(window->BBUtest);
    ASSERT_EQ(TestPhase, 2);

    EXPECT_EQ(Access(window->IndicatorAt(0))->text(QAccessible::Description), QStringLiteral("správně"));
    EXPECT_EQ(Access(window->IndicatorAt(1))->text(QAccessible::Description), QStringLiteral("špatně"));
    EXPECT_EQ(Access(window->IndicatorAt(29))->text(QAccessible::Description), QStringLiteral("neodpovězeno"));

    Press(window->BBGtest);
    for (int i : {0, 1, 29})
        EXPECT_TRUE(Access(window->IndicatorAt(i))->text(QAccessible::Description).isEmpty()) << i;
}

TEST_F(WindowAccess, PressingAnIndicatorInTheReviewShowsItsQuestion)
{
    GenerateAndStart();
    Press(window->BBUtest);
    QAccessibleInterface *fifth = Access(window->IndicatorAt(4));
    EXPECT_EQ(fifth->role(), QAccessible::CheckBox);
    EXPECT_EQ(fifth->text(QAccessible::Name), QStringLiteral("5"));
    Press(window->IndicatorAt(4));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 5 / 30"));
    EXPECT_EQ(window->Memo2->toPlainText(), TestQuestions[5].wdotaz);
    // Pressed and released, as a click leaves it.
    EXPECT_FALSE(fifth->state().checked);
}

TEST_F(WindowAccess, TabWalksToolbarQuestionAnswersAndIndicatorsInOrder)
{
    GenerateAndStart();
    window->BBGtest->setFocus();
    const QStringList walk = TabWalk(60);
    const QStringList wanted = {QStringLiteral("BBGtest"), QStringLiteral("BBUtest"), QStringLiteral("BtnInfo"),
                                QStringLiteral("Memo2"), QStringLiteral("Memo1"), QStringLiteral("BitBtn1"),
                                QStringLiteral("Memo3"), QStringLiteral("BitBtn2"), QStringLiteral("Memo4"),
                                QStringLiteral("BitBtn3"), QStringLiteral("AbLED1"), QStringLiteral("AbLED30")};
    EXPECT_EQ(Kept(walk, wanted), wanted) << walk.join(QLatin1Char(' ')).toStdString();
    // Disabled buttons are not in the way.
    EXPECT_FALSE(walk.contains(QStringLiteral("BBStest")));
}

TEST_F(WindowAccess, TabLeavesTheTextBoxesInsteadOfTypingATab)
{
    window->Memo1->setFocus();
    QTest::keyClick(window->Memo1, Qt::Key_Tab);
    EXPECT_FALSE(window->Memo1->hasFocus());
    EXPECT_FALSE(window->Memo1->toPlainText().contains(QLatin1Char('\t')));
}

TEST_F(WindowAccess, EnterAndSpacePressTheFocusedToolbarAndAnswerButtons)
{
    window->BBGtest->setFocus();
    QTest::keyClick(window->BBGtest, Qt::Key_Return);
    ASSERT_TRUE(window->BBStest->isEnabled());
    window->BBStest->setFocus();
    QTest::keyClick(window->BBStest, Qt::Key_Space);
    ASSERT_EQ(CurrentQuestion, 1);

    window->BitBtn2->setFocus();
    QTest::keyClick(window->BitBtn2, Qt::Key_Return);
    EXPECT_EQ(TestQuestions[1].wodpovezeno, 1);
    EXPECT_EQ(CurrentQuestion, 2);
    window->BitBtn3->setFocus();
    QTest::keyClick(window->BitBtn3, Qt::Key_Enter);
    EXPECT_EQ(TestQuestions[2].wodpovezeno, 2);
}

TEST_F(WindowAccess, ReviewIndicatorsAreReachedAndPressedByKeyboard)
{
    GenerateAndStart();
    Press(window->BBUtest);
    window->IndicatorAt(0)->setFocus();
    QTest::keyClick(window->IndicatorAt(0), Qt::Key_Tab);
    TAbLED *second = window->IndicatorAt(1);
    ASSERT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 2 / 30"));
    EXPECT_FALSE(second->Checked());
}

TEST_F(WindowAccess, ButtonsAndTextBoxesReportCaptionsTextsAndStates)
{
    QAccessibleInterface *start = Access(window->BBStest);
    EXPECT_EQ(start->role(), QAccessible::Button);
    EXPECT_EQ(start->text(QAccessible::Name), QStringLiteral("Start testu"));
    EXPECT_TRUE(start->state().disabled);
    GenerateAndStart();
    EXPECT_FALSE(Access(window->BitBtn1)->state().disabled);
    EXPECT_EQ(Access(window->BitBtn1)->text(QAccessible::Name), QStringLiteral("A"));

    QAccessibleInterface *question = Access(window->Memo2);
    ASSERT_NE(question->textInterface(), nullptr);
    EXPECT_EQ(question->textInterface()->text(0, question->textInterface()->characterCount()),
              TestQuestions[1].wdotaz);
    EXPECT_FALSE(question->text(QAccessible::Name).isEmpty());
    for (QPlainTextEdit *memo : {window->Memo1, window->Memo3, window->Memo4, window->Memo5})
        EXPECT_FALSE(Access(memo)->text(QAccessible::Name).isEmpty()) << memo->objectName().toStdString();

    QAccessibleInterface *bar = Access(window->ProgressBar1);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), 1799);
}

TEST_F(WindowAccess, DialogEditsAreNamedByTheirLabels)
{
    EXPECT_EQ(Access(FrmKonfig->Edit1)->text(QAccessible::Name), FrmKonfig->Label1->text());
    EXPECT_EQ(Access(FrmKonfig->Edit2)->text(QAccessible::Name), FrmKonfig->Label3->text());
    for (QLineEdit *edit : FrmHesloT->findChildren<QLineEdit *>())
        EXPECT_FALSE(Access(edit)->text(QAccessible::Name).isEmpty()) << edit->objectName().toStdString();
}

}
