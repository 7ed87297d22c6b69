// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indicators/GClass.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

enum TThreadPriority : quint8 {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical,
};

// A thread that is created suspended and can be resumed and suspended again, with a termination
// request that wakes it from a suspension or a sleep. The OS thread starts at the first resume.
// Its own state is guarded by standard primitives, which ThreadSanitizer sees through.
class TAbThread : public QThread
{
    Q_OBJECT

public:
    TAbThread();
    ~TAbThread() override;

    bool Terminated() const;
    void Terminate();
    bool Suspended() const;
    void Suspend();
    void Resume();
    void SetPriority(TThreadPriority Value);
    // The user-interface thread has run the tick handed over by HandOverAndWait.
    void TickDone();
    // Returns once run() has returned, or at once when the thread never started; unlike
    // QThread::wait, through a lock ThreadSanitizer sees.
    void WaitForEnd();

    // Set once the application's event loop is leaving; every tick thread then ends.
    static bool ApplicationTerminating();

protected:
    // False when termination was requested while waiting.
    bool WaitWhileSuspended();
    // True when the full time passed without a termination request.
    bool Sleep(quint32 milliseconds);
    // Runs handOver under the thread's lock, so what it posts is seen as made before TickDone,
    // then waits for TickDone or a termination request.
    void HandOverAndWait(const std::function<void()> &handOver);
    virtual void Execute() = 0;

private:
    void run() final;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_suspended = true;
    bool m_started = false;
    bool m_terminated = false;
    bool m_ended = false;
    bool m_tickDone = false;
    TThreadPriority m_priority = tpNormal;
};

class TAbFlash;

// Sleeps tInterval ms and runs its owner's Timer on the user-interface thread, waiting until
// it has run, so ticks never overlap. The wait is on its own lock, never on the user-interface
// thread's event loop, so the owner may end the thread at any time, from its own tick too.
class TTimerThread : public TAbThread
{
    Q_OBJECT

public:
    TTimerThread(TAbFlash *Timer, bool Enabled);

    TAbFlash *const tOwner;
    std::atomic<quint32> tInterval = 16;

protected:
    void Execute() override;

private:
    bool Stopped() const;
};

// A timer whose ticks come from a thread of its own and run OnTimer on the user-interface thread.
class TAbFlash : public QObject
{
    Q_OBJECT

public:
    explicit TAbFlash(QObject *AOwner);
    ~TAbFlash() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority Value);
    const TNotifyEvent &OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Handler);
    // A tick is running its handler right now.
    bool Ticking() const { return m_ticking; }

    // Runs on the user-interface thread for every tick.
    Q_INVOKABLE virtual void Timer();

private:
    void UpdateTimer();

    bool FEnabled = true;
    quint32 FInterval = 16;
    TNotifyEvent FOnTimer;
    std::unique_ptr<TTimerThread> FTimerThread;
    TThreadPriority FThreadPriority = tpNormal;
    bool m_destroying = false;
    bool m_ticking = false;
};
