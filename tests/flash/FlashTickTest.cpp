// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FlashFixture.h"

#include <limits>

namespace {

using Tick = TickRecorder::Tick;

TEST_F(FlashModuleTest, FirstTickSeesCounterOne)
{
    TickRecorder client;
    AddFlashClient(&client, 0);
    Ticks(1);
    EXPECT_EQ(FlashCounter(), 1u);
    EXPECT_EQ(client.ticks, (QList<Tick>{Tick{1, 0}}));
}

TEST_F(FlashModuleTest, FlashKindIsOnWhileItsCounterBitIsSetAndSendsOnlyChanges)
{
    TickRecorder kind5;
    TickRecorder kind2;
    AddFlashClient(&kind5, 5);
    AddFlashClient(&kind2, 2);
    Ticks(130);
    EXPECT_EQ(kind5.ticks, (QList<Tick>{{32, 1}, {64, 0}, {96, 1}, {128, 0}}));
    ASSERT_EQ(kind2.ticks.size(), 32);
    EXPECT_EQ(kind2.ticks.first(), (Tick{4, 1}));
    EXPECT_EQ(kind2.ticks[1], (Tick{8, 0}));
}

TEST_F(FlashModuleTest, ClientsOfOneKindBlinkInPhaseWhenEverTheyRegister)
{
    TickRecorder early;
    TickRecorder late;
    AddFlashClient(&early, 3);
    Ticks(20);
    AddFlashClient(&late, 3);
    early.ticks.clear();
    Ticks(40);
    EXPECT_EQ(early.ticks, late.ticks);
    EXPECT_FALSE(late.ticks.isEmpty());
}

TEST_F(FlashModuleTest, RegisteringTwiceKeepsOneRecordAndItsLastState)
{
    TickRecorder client;
    AddFlashClient(&client, 5);
    Ticks(40);
    ASSERT_TRUE(flashClientAt(0)->LastState);
    tickCount = 5000;
    AddFlashClient(&client, 4);
    ASSERT_EQ(flashClientCount(), 1);
    EXPECT_EQ(flashClientAt(0)->Interval, 4);
    EXPECT_EQ(flashClientAt(0)->NextDue, 5004);
    EXPECT_TRUE(flashClientAt(0)->LastState);
}

TEST_F(FlashModuleTest, RemovingAnUnknownControlChangesNothing)
{
    TickRecorder first;
    TickRecorder second;
    TickRecorder stranger;
    AddFlashClient(&first, 2);
    AddFlashClient(&second, 3);
    RemoveFlashClient(&stranger);
    RemoveFlashClient(nullptr);
    RemoveFlashClientAt(2);
    RemoveFlashClientAt(-1);
    ASSERT_EQ(flashClientCount(), 2);
    EXPECT_EQ(flashClientAt(0)->Control, &first);
    EXPECT_EQ(flashClientAt(1)->Control, &second);

    RemoveFlashClient(&first);
    ASSERT_EQ(flashClientCount(), 1);
    EXPECT_EQ(flashClientAt(0)->Control, &second);
    AddFlashClient(nullptr, 2);
    EXPECT_EQ(flashClientCount(), 1);
}

TEST_F(FlashModuleTest, FirstRegistrationCreatesTheTimerAndTheLastLeavingKeepsIt)
{
    TickRecorder client;
    EXPECT_EQ(FlashTimer(), nullptr);
    AddFlashClient(&client, 2);
    ASSERT_NE(FlashTimer(), nullptr);
    EXPECT_TRUE(FlashTimer()->OnTimer());
    RemoveFlashClient(&client);
    EXPECT_NE(FlashTimer(), nullptr);
}

TEST_F(FlashModuleTest, ClockSetForwardCatchesUpOneSecondPerTick)
{
    TickRecorder client;
    Timer();
    AddFlashClient(&client, 32);
    now += 5 * OneSecond + OneSecond / 2;
    Ticks(10);
    ASSERT_EQ(client.ticks.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(client.ticks[i], (Tick{quint32(i + 1), 0}));
}

TEST_F(FlashModuleTest, ClockSetBackWaitsUntilItReachesTheNextSecondAgain)
{
    TickRecorder client;
    Timer();
    AddFlashClient(&client, 32);
    now -= 10 * OneSecond;
    Ticks(5);
    EXPECT_TRUE(client.ticks.isEmpty());
    now += 11 * OneSecond;
    Ticks(2);
    EXPECT_EQ(client.ticks, (QList<Tick>{Tick{6, 0}}));
}

TEST_F(FlashModuleTest, LateMillisecondClientKeepsItsCadenceUpToOneSecondLate)
{
    TickRecorder client;
    AddFlashClient(&client, 100);
    tickCount = 1099;
    Ticks(1);
    EXPECT_TRUE(client.ticks.isEmpty());

    tickCount = 1130;
    Ticks(1);
    EXPECT_EQ(client.ticks, (QList<Tick>{Tick{2, 30}}));
    EXPECT_EQ(flashClientAt(0)->NextDue, 1200);

    tickCount = 1200 + 1500;
    Ticks(1);
    EXPECT_EQ(client.ticks.last(), (Tick{3, 0}));
    EXPECT_EQ(flashClientAt(0)->NextDue, 2800);

    tickCount = 2800 + 1000;
    Ticks(1);
    EXPECT_EQ(client.ticks.last(), (Tick{4, 1000}));
    EXPECT_EQ(flashClientAt(0)->NextDue, 3800 + 100 - 1000);
}

TEST_F(FlashModuleTest, FarOffIntervalNeverComesDue)
{
    TickRecorder client;
    AddFlashClient(&client, std::numeric_limits<qint64>::max() - 1);
    EXPECT_EQ(flashClientAt(0)->NextDue, std::numeric_limits<qint64>::max());
    tickCount = qint64(1) << 40;
    Ticks(3);
    EXPECT_TRUE(client.ticks.isEmpty());
}

TEST_F(FlashModuleTest, TickCountBeyondThirtyTwoBitsKeepsServingMillisecondClients)
{
    TickRecorder client;
    tickCount = (qint64(1) << 32) - 50;
    AddFlashClient(&client, 100);
    tickCount += 130;
    Ticks(1);
    EXPECT_EQ(client.ticks, (QList<Tick>{Tick{1, 30}}));
    EXPECT_EQ(flashClientAt(0)->NextDue, tickCount + 70);
}

TEST_F(FlashModuleTest, DestroyedControlIsSkippedAndAClientRemovingItselfStopsNothing)
{
    auto *gone = new TickRecorder;
    TickRecorder leaver;
    TickRecorder last;
    AddFlashClient(gone, 0);
    AddFlashClient(&leaver, 0);
    AddFlashClient(&last, 0);
    // A plain widget does not unregister itself.
    delete gone;
    Ticks(1);
    EXPECT_EQ(leaver.ticks.size(), 1);
    EXPECT_EQ(last.ticks.size(), 1);

    RemoveFlashClient(&leaver);
    Ticks(1);
    EXPECT_EQ(leaver.ticks.size(), 1);
    EXPECT_EQ(last.ticks.size(), 2);
}

TEST_F(FlashModuleTest, SecondTimerComplainsAndStaysInertUntilTheFirstIsGone)
{
    TAbFlashTimer &first = Timer();
    {
        TAbFlashTimer second(nullptr);
        EXPECT_EQ(messages,
                  QStringList{QStringLiteral("Error Message/Only one TAbFlashTimer per Application!\nRemove it...")});
        EXPECT_FALSE(second.OnTimer());
        EXPECT_TRUE(first.OnTimer());
    }
    FreeFlashTimer();
    messages.clear();
    TAbFlashTimer again(nullptr);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(again.OnTimer());
}

}
