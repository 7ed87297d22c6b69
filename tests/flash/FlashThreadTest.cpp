// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FlashFixture.h"
#include "indicators/AbLED.h"

#include <QPointer>
#include <QTest>
#include <QThread>
#include <memory>

namespace {

// Records the flash messages a control receives, on top of its own handling.
class TickLog : public QObject
{
public:
    QList<TickRecorder::Tick> ticks;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == WM_FLASHTICK) {
            const auto *tick = static_cast<TFlashTickEvent *>(e);
            ticks.append({tick->Counter, tick->Value});
        }
        return false;
    }
};

class FlashThread : public ::testing::Test
{
protected:
    void SetUp() override { resetFlashModuleForTests(); }
    void TearDown() override { resetFlashModuleForTests(); }
};

TEST_F(FlashThread, TwoIndicatorsBlinkInPhaseAndTheServiceEndsCleanly)
{
    QWidget owner;
    owner.resize(160, 40);
    TickLog logs[2];
    TAbLED *leds[2];
    for (int i = 0; i < 2; ++i) {
        leds[i] = new TAbLED(&owner);
        leds[i]->move(i * 80, 0);
        leds[i]->SetFrequency(ff8Hz);
        leds[i]->SetFlashing(true);
        leds[i]->installEventFilter(&logs[i]);
    }
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    for (TAbLED *led : leds)
        led->SetChecked(true);
    ASSERT_NE(FlashTimer(), nullptr);

    QTest::qWait(500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return logs[0].ticks.size() >= 4; }, 10000));
    for (TAbLED *led : leds)
        led->SetChecked(false);
    EXPECT_EQ(flashClientCount(), 0);

    EXPECT_EQ(logs[0].ticks, logs[1].ticks);
    for (qsizetype i = 1; i < logs[0].ticks.size(); ++i) {
        EXPECT_NE(logs[0].ticks[i].value, logs[0].ticks[i - 1].value);
        EXPECT_EQ(logs[0].ticks[i].counter % 4, 0u);
    }
    FreeFlashTimer();
    EXPECT_EQ(FlashTimer(), nullptr);
}

struct TickCounter
{
    int ticks = 0;
    bool offUiThread = false;
    TNotifyEvent handler()
    {
        return [this](QObject *) {
            ++ticks;
            offUiThread = offUiThread || QThread::currentThread() != qApp->thread();
        };
    }
};

TEST_F(FlashThread, TicksRunOnTheUiThreadOnlyWhileEnabled)
{
    TickCounter counter;
    TAbFlash flash(nullptr);
    flash.SetOnTimer(counter.handler());
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.ticks >= 3; }, 10000));
    EXPECT_FALSE(counter.offUiThread);

    flash.SetEnabled(false);
    const int stopped = counter.ticks;
    QTest::qWait(100);
    EXPECT_EQ(counter.ticks, stopped);

    flash.SetThreadPriority(tpLower);
    flash.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.ticks > stopped + 2; }, 10000));
}

TEST_F(FlashThread, HandlerRemovedStopsTheTicks)
{
    TickCounter counter;
    TAbFlash flash(nullptr);
    flash.SetOnTimer(counter.handler());
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.ticks >= 1; }, 10000));
    flash.SetOnTimer(nullptr);
    const int stopped = counter.ticks;
    QTest::qWait(100);
    EXPECT_EQ(counter.ticks, stopped);
}

TEST_F(FlashThread, DestroyedWhileATickWaitsForTheUiThread)
{
    TickCounter counter;
    auto flash = std::make_unique<TAbFlash>(nullptr);
    flash->SetOnTimer(counter.handler());
    // Without events processed, the thread hands a tick over and waits for it.
    QThread::msleep(100);
    flash.reset();
    EXPECT_EQ(counter.ticks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.ticks, 0);
}

TEST_F(FlashThread, DeletedByItsOwnTickNeitherHangsNorCrashes)
{
    int ticks = 0;
    QPointer<TAbFlash> flash = new TAbFlash(nullptr);
    flash->SetOnTimer([&ticks](QObject *sender) {
        ++ticks;
        delete sender;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return flash.isNull(); }, 10000));
    // The released thread ends by itself; no tick reaches the deleted component.
    QTest::qWait(100);
    EXPECT_EQ(ticks, 1);
}

TEST_F(FlashThread, ThrowingHandlerDoesNotStopTheTicks)
{
    int ticks = 0;
    TAbFlash flash(nullptr);
    flash.SetOnTimer([&](QObject *) {
        ++ticks;
        throw std::runtime_error("tick failed");
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
}

}

namespace {

TEST(FlashModuleEnd, ProgramExitsCleanlyWithTheTimerStillTicking)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QWidget control;
            AddFlashClient(&control, 2);
            QTest::qWait(50);
            std::exit(FlashTimer() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}
