// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbFlashT.h"
#include "indicators/GClass.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// Counts the hooks a descendant would draw in.
class ProbeControl : public TAbBinGControl
{
public:
    using TAbBinGControl::TAbBinGControl;

    int statusChanged = 0;
    int paramChanged = 0;
    QList<bool> flashes;

protected:
    void StatusChanged() override { ++statusChanged; }
    void ParamChange(QObject *) override { ++paramChanged; }
    void Flash(bool status) override { flashes.append(status); }
};

class BinGControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        owner.resize(200, 100);
        owner.show();
    }
    void TearDown() override { resetFlashModuleForTests(); }

    ProbeControl *Make(TMode mode)
    {
        auto *control = new ProbeControl(&owner);
        control->setGeometry(0, 0, 20, 20);
        control->SetMode(mode);
        control->show();
        return control;
    }

    QWidget owner;
};

TEST_F(BinGControl, NewControlDefaultsAndPaintsNoBackground)
{
    ProbeControl control(&owner);
    EXPECT_EQ(control.Mode(), mIndicator);
    EXPECT_EQ(control.Frequency(), ff1Hz);
    EXPECT_FALSE(control.Checked());
    EXPECT_EQ(control.StatusInt(), 0);
    EXPECT_EQ(control.FirstCheckedBit, 32);
    EXPECT_EQ(control.parentWidget(), &owner);
    EXPECT_TRUE(control.testAttribute(Qt::WA_NoSystemBackground));
    EXPECT_FALSE(control.autoFillBackground());
}

TEST_F(BinGControl, CheckedAndStatusWordStayInStep)
{
    ProbeControl control(&owner);
    control.SetStatusBit(2);
    control.SetStatusInt(5);
    EXPECT_TRUE(control.Checked());
    EXPECT_EQ(control.StatusInt(), 5);
    EXPECT_EQ(control.FirstCheckedBit, 0);

    control.SetChecked(false);
    EXPECT_EQ(control.StatusInt(), 1);
    EXPECT_EQ(control.FirstCheckedBit, 0);
    control.SetStatusInt(0);
    EXPECT_EQ(control.FirstCheckedBit, 32);
    control.SetChecked(true);
    EXPECT_EQ(control.StatusInt(), 4);
    EXPECT_EQ(control.FirstCheckedBit, 2);
}

TEST_F(BinGControl, StatusBitOutsideTheWordIsIgnored)
{
    ProbeControl control(&owner);
    control.SetStatusInt(static_cast<qint32>(0x80000000u));
    control.SetStatusBit(32);
    control.SetStatusBit(-1);
    EXPECT_EQ(control.StatusBit(), 0);
    EXPECT_FALSE(control.Checked());
    control.SetStatusBit(31);
    EXPECT_TRUE(control.Checked());
    EXPECT_EQ(control.FirstCheckedBit, 31);
}

TEST_F(BinGControl, ModeWritesResetTheStatusWordEvenWhenUnchanged)
{
    ProbeControl control(&owner);
    control.SetMode(mRadioButton);
    EXPECT_EQ(control.StatusInt(), 1);
    control.SetStatusInt(6);
    control.SetMode(mRadioButton);
    EXPECT_EQ(control.StatusInt(), 1);
    EXPECT_TRUE(control.Checked());
    control.SetMode(mButton);
    EXPECT_EQ(control.StatusInt(), 0);
    EXPECT_FALSE(control.Checked());
    control.SetStatusInt(3);
    control.SetMode(mSwitch);
    EXPECT_EQ(control.StatusInt(), 3);
}

TEST_F(BinGControl, ButtonClickRunsOnClickWhileCheckedAndReleasesUnchecked)
{
    ProbeControl *control = Make(mButton);
    QStringList order;
    QList<bool> checkedInClick;
    control->OnMouseDown = [&](QObject *) { order << "down"; };
    control->OnClick = [&](QObject *sender) {
        order << "click";
        checkedInClick << static_cast<TAbBinGControl *>(sender)->Checked();
    };
    control->OnMouseUp = [&](QObject *) { order << "up"; };

    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(control->Checked());
    EXPECT_TRUE(control->MouseIsDown);
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control->Checked());
    EXPECT_FALSE(control->MouseIsDown);
    EXPECT_EQ(control->StatusInt(), 0);
    EXPECT_EQ(checkedInClick, QList<bool>{true});
    EXPECT_EQ(order, (QStringList{"down", "click", "up"}));
}

TEST_F(BinGControl, ButtonReleaseUnchecksWhateverTheClickHandlerDid)
{
    ProbeControl *control = Make(mButton);
    control->OnClick = [](QObject *sender) { static_cast<TAbBinGControl *>(sender)->SetChecked(true); };
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control->Checked());
}

TEST_F(BinGControl, RightClickChangesNothing)
{
    ProbeControl *control = Make(mButton);
    int clicks = 0;
    control->OnClick = [&](QObject *) { ++clicks; };
    const int statusCalls = control->statusChanged;
    QTest::mousePress(control, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control->Checked());
    EXPECT_FALSE(control->MouseIsDown);
    QTest::mouseRelease(control, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(control->statusChanged, statusCalls);
}

TEST_F(BinGControl, ReleaseOutsideRaisesNoClick)
{
    ProbeControl *control = Make(mButton);
    int clicks = 0;
    control->OnClick = [&](QObject *) { ++clicks; };
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(control->Checked());
}

TEST_F(BinGControl, SwitchTogglesOnPressAndReleaseOnlyNotifies)
{
    ProbeControl *control = Make(mSwitch);
    QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(control->Checked());
    const int afterPress = control->statusChanged;
    QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(control->Checked());
    EXPECT_EQ(control->statusChanged, afterPress + 1);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control->Checked());
}

TEST_F(BinGControl, IndicatorIgnoresTheMouse)
{
    ProbeControl *control = Make(mIndicator);
    const int statusCalls = control->statusChanged;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control->Checked());
    EXPECT_TRUE(control->MouseIsDown);
    EXPECT_EQ(control->statusChanged, statusCalls);
}

TEST_F(BinGControl, ClickHandlerMayDeleteTheControl)
{
    ProbeControl *control = Make(mButton);
    control->OnClick = [](QObject *sender) { delete sender; };
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(owner.findChildren<ProbeControl *>().isEmpty());
}

class RadioGroup : public BinGControl
{
protected:
    void SetUp() override
    {
        BinGControl::SetUp();
        for (int bit = 0; bit < 4; ++bit) {
            ProbeControl *radio = Make(mRadioButton);
            radio->move(bit * 25, 0);
            radio->SetStatusBit(bit);
            radio->SetGroupIndex(1);
            radios.append(radio);
        }
    }
    QList<ProbeControl *> radios;
};

TEST_F(RadioGroup, PressingTheThirdSelectsItAlone)
{
    for (ProbeControl *radio : radios)
        ASSERT_EQ(radio->StatusInt(), 1);
    EXPECT_TRUE(radios[0]->Checked());

    QTest::mouseClick(radios[2], Qt::LeftButton, {}, QPoint(5, 5));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(radios[i]->StatusInt(), 4) << i;
        EXPECT_EQ(radios[i]->Checked(), i == 2) << i;
        EXPECT_EQ(radios[i]->FirstCheckedBit, 2) << i;
    }
    EXPECT_FALSE(GroupUpdating);

    radios[2]->SetChecked(false);
    EXPECT_EQ(radios[2]->StatusInt(), 4);
}

TEST_F(RadioGroup, OtherGroupsAreLeftAlone)
{
    ProbeControl *stranger = Make(mRadioButton);
    stranger->SetGroupIndex(2);
    radios[3]->SetStatusInt(8);
    EXPECT_EQ(radios[0]->StatusInt(), 8);
    EXPECT_EQ(stranger->StatusInt(), 1);
}

TEST_F(RadioGroup, FailingMemberHandlerDoesNotLeaveTheGuardSet)
{
    radios[1]->OnStatusIntChanged = [](QObject *) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(radios[0]->SetStatusInt(4), std::runtime_error);
    EXPECT_FALSE(GroupUpdating);

    radios[1]->OnStatusIntChanged = nullptr;
    radios[3]->SetStatusInt(8);
    for (ProbeControl *radio : radios)
        EXPECT_EQ(radio->StatusInt(), 8);
}

TEST_F(BinGControl, GroupIndexAdoptsTheFirstMembersWordOrKeepsItsOwn)
{
    ProbeControl *member = Make(mIndicator);
    member->SetStatusInt(6);
    member->SetGroupIndex(2);
    ProbeControl *joiner = Make(mIndicator);
    joiner->SetStatusInt(1);
    joiner->SetGroupIndex(-1);
    EXPECT_EQ(joiner->GroupIndex(), 0);
    joiner->SetGroupIndex(2);
    EXPECT_EQ(joiner->StatusInt(), 6);

    QWidget otherOwner;
    ProbeControl first(&otherOwner);
    ProbeControl second(&otherOwner);
    second.SetStatusInt(6);
    second.SetGroupIndex(2);
    first.SetStatusInt(1);
    first.SetGroupIndex(2);
    EXPECT_EQ(first.StatusInt(), 1);
    EXPECT_EQ(second.StatusInt(), 6);
}

TEST_F(BinGControl, OwnerlessControlInAGroupKeepsToItself)
{
    ProbeControl loner(nullptr);
    loner.SetStatusInt(3);
    loner.SetGroupIndex(1);
    loner.SetStatusInt(2);
    EXPECT_EQ(loner.StatusInt(), 2);
    EXPECT_FALSE(loner.Checked());
}

TEST_F(BinGControl, FlashesOnlyWhileCheckedWithFlashingOn)
{
    ProbeControl control(&owner);
    control.SetFlashing(true);
    EXPECT_EQ(flashClientCount(), 0);
    control.SetChecked(true);
    ASSERT_EQ(flashClientCount(), 1);
    EXPECT_EQ(flashClientAt(0)->Control, &control);
    EXPECT_EQ(flashClientAt(0)->Interval, 5);

    control.SetFrequency(ff8Hz);
    ASSERT_EQ(flashClientCount(), 1);
    EXPECT_EQ(flashClientAt(0)->Interval, 2);

    control.SetFlashing(false);
    EXPECT_EQ(flashClientCount(), 0);
    control.SetFlashing(true);
    EXPECT_EQ(flashClientCount(), 1);
    control.SetChecked(false);
    EXPECT_EQ(flashClientCount(), 0);
}

TEST_F(BinGControl, DestroyedControlLeavesTheFlashService)
{
    {
        ProbeControl control(&owner);
        control.SetFlashing(true);
        control.SetChecked(true);
        ASSERT_EQ(flashClientCount(), 1);
    }
    EXPECT_EQ(flashClientCount(), 0);
}

TEST_F(BinGControl, FlashTickMessageReachesFlashAtOnce)
{
    ProbeControl control(&owner);
    TFlashTickEvent on(7, 1);
    TFlashTickEvent off(8, 0);
    TFlashTickEvent late(9, 30);
    QCoreApplication::sendEvent(&control, &on);
    QCoreApplication::sendEvent(&control, &off);
    QCoreApplication::sendEvent(&control, &late);
    EXPECT_EQ(control.flashes, (QList<bool>{true, false, true}));
}

TEST_F(BinGControl, NewCaptionTextNotifiesParamChange)
{
    ProbeControl control(&owner);
    control.SetCaption(QStringLiteral("7"));
    EXPECT_EQ(control.paramChanged, 1);
    control.SetCaption(QStringLiteral("7"));
    EXPECT_EQ(control.paramChanged, 1);
    EXPECT_EQ(control.Caption(), QStringLiteral("7"));
}

TEST_F(BinGControl, StatusChangedHandlerSeesEveryStateChange)
{
    ProbeControl control(&owner);
    QList<bool> seen;
    control.OnStatusChanged = [&](QObject *sender) {
        seen << static_cast<TAbBinGControl *>(sender)->Checked();
    };
    int wordChanges = 0;
    control.OnStatusIntChanged = [&](QObject *) { ++wordChanges; };
    control.SetChecked(true);
    control.SetChecked(true);
    control.SetChecked(false);
    EXPECT_EQ(seen, (QList<bool>{true, false}));
    EXPECT_EQ(wordChanges, 2);
}

}
