// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbFlashT.h"
#include "indicators/AbLED.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One step of what a click did, as the click handler and the end state saw it.
struct Trace
{
    QStringList steps;

    void Watch(TAbLED &led)
    {
        led.OnStatusChanged = [this, &led](QObject *) {
            steps.append(QStringLiteral("checked=%1").arg(led.Checked()));
        };
        led.OnClick = [this, &led](QObject *) { steps.append(QStringLiteral("click@%1").arg(led.Checked())); };
        led.OnMouseDown = [this](QObject *) { steps.append(QStringLiteral("mouse-down")); };
        led.OnMouseUp = [this](QObject *) { steps.append(QStringLiteral("mouse-up")); };
    }
    // The steps without the mouse's own events, which only the mouse raises.
    QStringList WithoutMouseEvents() const
    {
        QStringList kept = steps;
        kept.removeAll(QStringLiteral("mouse-down"));
        kept.removeAll(QStringLiteral("mouse-up"));
        return kept;
    }
};

class IndicatorAccess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { resetFlashModuleForTests(); }

    TAbLED *Make(TMode mode, const QString &caption)
    {
        auto *led = new TAbLED(&window);
        led->setGeometry(30 * window.children().size(), 5, 20, 30);
        led->SetCaption(caption);
        led->SetMode(mode);
        led->SetLED_Position(lpTop);
        led->show();
        return led;
    }

    static QAccessibleInterface *Access(QWidget *widget)
    {
        return QAccessible::queryAccessibleInterface(widget);
    }

    QWidget window;
};

TEST_F(IndicatorAccess, IsACheckButtonNamedByItsCaptionWithItsState)
{
    TAbLED *led = Make(mButton, QStringLiteral("17"));
    QAccessibleInterface *access = Access(led);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::CheckBox);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("17"));
    EXPECT_TRUE(access->state().checkable);
    EXPECT_FALSE(access->state().checked);
    EXPECT_FALSE(access->state().invisible);

    led->SetChecked(true);
    EXPECT_TRUE(access->state().checked);
    led->SetCaption(QStringLiteral("18"));
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("18"));
    led->hide();
    EXPECT_TRUE(access->state().invisible);
}

TEST_F(IndicatorAccess, NameReadsCaptionLinesAsOneAndYieldsToAnExplicitName)
{
    TAbLED *led = Make(mIndicator, QStringLiteral("Motor|běží"));
    EXPECT_EQ(Access(led)->text(QAccessible::Name), QStringLiteral("Motor běží"));
    led->setAccessibleName(QStringLiteral("Stav motoru"));
    EXPECT_EQ(Access(led)->text(QAccessible::Name), QStringLiteral("Stav motoru"));
}

TEST_F(IndicatorAccess, RadioModeIsARadioButtonAndDescriptionComesFromTheOwner)
{
    TAbLED *led = Make(mRadioButton, QStringLiteral("1"));
    EXPECT_EQ(Access(led)->role(), QAccessible::RadioButton);
    EXPECT_TRUE(Access(led)->text(QAccessible::Description).isEmpty());
    led->setAccessibleDescription(QStringLiteral("správně"));
    EXPECT_EQ(Access(led)->text(QAccessible::Description), QStringLiteral("správně"));
}

// The press action, the keyboard and the mouse must leave the same trace, mode by mode.
TEST_F(IndicatorAccess, PressActionSpaceAndEnterDoWhatAMouseClickDoes)
{
    for (TMode mode : {mButton, mSwitch, mRadioButton, mIndicator}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Trace mouse, action, space, enter;
        TAbLED *byMouse = Make(mode, QStringLiteral("m"));
        TAbLED *byAction = Make(mode, QStringLiteral("a"));
        TAbLED *bySpace = Make(mode, QStringLiteral("s"));
        TAbLED *byEnter = Make(mode, QStringLiteral("e"));
        mouse.Watch(*byMouse);
        action.Watch(*byAction);
        space.Watch(*bySpace);
        enter.Watch(*byEnter);

        QTest::mouseClick(byMouse, Qt::LeftButton, {}, QPoint(10, 10));
        QAccessibleActionInterface *actions = Access(byAction)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        // Queued, so a handler's modal box never holds up the screen reader's call.
        EXPECT_TRUE(action.steps.isEmpty());
        QCoreApplication::processEvents();
        QTest::keyClick(bySpace, Qt::Key_Space);
        QTest::keyClick(byEnter, Qt::Key_Return);

        ASSERT_TRUE(mouse.steps.contains(QStringLiteral("mouse-down")));
        EXPECT_EQ(action.steps, mouse.WithoutMouseEvents());
        EXPECT_EQ(space.steps, mouse.WithoutMouseEvents());
        EXPECT_EQ(enter.steps, mouse.WithoutMouseEvents());
        EXPECT_EQ(byAction->Checked(), byMouse->Checked());
        EXPECT_EQ(bySpace->StatusInt(), byMouse->StatusInt());
        EXPECT_EQ(byEnter->Checked(), byMouse->Checked());
        qDeleteAll(QList<TAbLED *>{byMouse, byAction, bySpace, byEnter});
    }
}

TEST_F(IndicatorAccess, ButtonModeStaysCheckedWhileSpaceIsHeldAndClicksOnRelease)
{
    TAbLED *led = Make(mButton, QStringLiteral("3"));
    int clicks = 0;
    led->OnClick = [&clicks](QObject *) { ++clicks; };

    QTest::keyPress(led, Qt::Key_Space);
    EXPECT_TRUE(led->Checked());
    EXPECT_EQ(clicks, 0);
    QTest::keyPress(led, Qt::Key_Space, {}, -1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(led, &repeat);
    QTest::keyRelease(led, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(led->Checked());

    // A release without a press of its own is no click.
    QTest::keyRelease(led, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
}

TEST_F(IndicatorAccess, EitherEnterClicksButNotWithControlOrAlt)
{
    TAbLED *led = Make(mSwitch, QStringLiteral("8"));
    int clicks = 0;
    led->OnClick = [&clicks](QObject *) { ++clicks; };
    QTest::keyClick(led, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(led->Checked());
    QTest::keyClick(led, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(led, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(led->Checked());
}

TEST_F(IndicatorAccess, LosingFocusWithSpaceDownReleasesWithoutAClick)
{
    TAbLED *led = Make(mButton, QStringLiteral("4"));
    int clicks = 0;
    led->OnClick = [&clicks](QObject *) { ++clicks; };
    QTest::keyPress(led, Qt::Key_Space);
    ASSERT_TRUE(led->Checked());
    QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(led, &away);
    EXPECT_FALSE(led->Checked());
    QTest::keyRelease(led, Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
}

TEST_F(IndicatorAccess, DisabledIndicatorOffersNoPressAction)
{
    TAbLED *led = Make(mButton, QStringLiteral("5"));
    int clicks = 0;
    led->OnClick = [&clicks](QObject *) { ++clicks; };
    led->setEnabled(false);
    QAccessibleActionInterface *actions = Access(led)->actionInterface();
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(led->Checked());
}

TEST_F(IndicatorAccess, ClickHandlerMayDeleteTheIndicatorPressedByKeyOrAction)
{
    TAbLED *byEnter = Make(mButton, QStringLiteral("6"));
    byEnter->OnClick = [](QObject *sender) { delete sender; };
    QPointer<TAbLED> watchEnter(byEnter);
    QTest::keyClick(byEnter, Qt::Key_Enter);
    EXPECT_TRUE(watchEnter.isNull());

    TAbLED *byAction = Make(mButton, QStringLiteral("7"));
    QPointer<TAbLED> watchAction(byAction);
    Access(byAction)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    delete byAction;
    QCoreApplication::processEvents();
    EXPECT_TRUE(watchAction.isNull());
}

// Tab walks the shown indicators in their order and skips hidden ones; a click takes no focus.
TEST_F(IndicatorAccess, TabReachesShownIndicatorsAndTheMouseLeavesFocusAlone)
{
    auto *button = new QPushButton(QStringLiteral("Generuj test"), &window);
    button->setGeometry(200, 50, 90, 25);
    button->show();
    TAbLED *first = Make(mButton, QStringLiteral("1"));
    TAbLED *hidden = Make(mButton, QStringLiteral("2"));
    TAbLED *third = Make(mButton, QStringLiteral("3"));
    hidden->hide();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();

    QTest::keyClick(button, Qt::Key_Tab);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(third->hasFocus());

    button->setFocus();
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button->hasFocus());
}

}
