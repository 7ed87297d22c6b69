// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbFlash.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
std::atomic<bool> applicationTerminating = false;

QThread::Priority qtPriority(TThreadPriority priority)
{
    switch (priority) {
    case tpIdle:
        return QThread::IdlePriority;
    case tpLowest:
        return QThread::LowestPriority;
    case tpLower:
        return QThread::LowPriority;
    case tpNormal:
        break;
    case tpHigher:
        return QThread::HighPriority;
    case tpHighest:
        return QThread::HighestPriority;
    case tpTimeCritical:
        return QThread::TimeCriticalPriority;
    }
    return QThread::NormalPriority;
}

void watchApplicationQuit()
{
    static QCoreApplication *watched = nullptr;
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application == watched)
        return;
    watched = application;
    applicationTerminating = false;
    QObject::connect(application, &QCoreApplication::aboutToQuit, [] {
        applicationTerminating = true;
    });
}
}

TAbThread::TAbThread()
{
    watchApplicationQuit();
}

TAbThread::~TAbThread()
{
    Terminate();
    wait();
}

bool TAbThread::Terminated() const
{
    std::lock_guard lock(m_mutex);
    return m_terminated;
}

void TAbThread::Terminate()
{
    std::lock_guard lock(m_mutex);
    m_terminated = true;
    m_wake.notify_all();
}

bool TAbThread::Suspended() const
{
    std::lock_guard lock(m_mutex);
    return m_suspended;
}

void TAbThread::Suspend()
{
    std::lock_guard lock(m_mutex);
    m_suspended = true;
}

void TAbThread::Resume()
{
    std::unique_lock lock(m_mutex);
    if (!m_suspended)
        return;
    m_suspended = false;
    if (m_started) {
        m_wake.notify_all();
        return;
    }
    m_started = true;
    const QThread::Priority priority = qtPriority(m_priority);
    lock.unlock();
    start(priority);
}

void TAbThread::SetPriority(TThreadPriority Value)
{
    std::lock_guard lock(m_mutex);
    m_priority = Value;
    if (isRunning())
        setPriority(qtPriority(Value));
}

void TAbThread::TickDone()
{
    std::lock_guard lock(m_mutex);
    m_tickDone = true;
    m_wake.notify_all();
}

bool TAbThread::ApplicationTerminating()
{
    return applicationTerminating;
}

bool TAbThread::WaitWhileSuspended()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_suspended || m_terminated; });
    return !m_terminated;
}

bool TAbThread::Sleep(quint32 milliseconds)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_for(lock, std::chrono::milliseconds(milliseconds),
                           [this] { return m_terminated; });
}

void TAbThread::HandOverAndWait(const std::function<void()> &handOver)
{
    std::unique_lock lock(m_mutex);
    m_tickDone = false;
    handOver();
    m_wake.wait(lock, [this] { return m_tickDone || m_terminated; });
}

void TAbThread::WaitForEnd()
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_ended || !m_started; });
}

void TAbThread::run()
{
    Execute();
    std::lock_guard lock(m_mutex);
    m_ended = true;
    m_wake.notify_all();
}

TTimerThread::TTimerThread(TAbFlash *Timer, bool Enabled)
    : tOwner(Timer)
{
    if (Enabled)
        Resume();
}

bool TTimerThread::Stopped() const
{
    return Terminated() || ApplicationTerminating() || !tOwner;
}

void TTimerThread::Execute()
{
    while (!Stopped() && WaitWhileSuspended()) {
        // A suspension that came during the sleep holds this tick back.
        if (!Sleep(tInterval) || Stopped() || Suspended())
            continue;
        // A functor, so this thread never reads the owner's meta-object, which its
        // destructor may be changing right now. A tick still queued goes with the owner.
        TAbFlash *owner = tOwner;
        HandOverAndWait([this, owner] {
            QMetaObject::invokeMethod(owner, [this, owner] {
                const QPointer<TAbFlash> alive(owner);
                owner->Timer();
                // A tick that deleted its owner ended this thread with it.
                if (alive)
                    TickDone();
            }, Qt::QueuedConnection);
        });
    }
}

TAbFlash::TAbFlash(QObject *AOwner)
    : QObject(AOwner)
    , FTimerThread(std::make_unique<TTimerThread>(this, false))
{
}

TAbFlash::~TAbFlash()
{
    m_destroying = true;
    FEnabled = false;
    FOnTimer = nullptr;
    FTimerThread->Terminate();
    FTimerThread->WaitForEnd();
    FTimerThread->wait();
}

void TAbFlash::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    UpdateTimer();
}

void TAbFlash::SetThreadPriority(TThreadPriority Value)
{
    if (Value == FThreadPriority)
        return;
    FThreadPriority = Value;
    UpdateTimer();
}

void TAbFlash::SetOnTimer(TNotifyEvent Handler)
{
    const bool presenceChanges = static_cast<bool>(Handler) != static_cast<bool>(FOnTimer);
    FOnTimer = std::move(Handler);
    if (presenceChanges)
        UpdateTimer();
}

void TAbFlash::Timer()
{
    if (!FEnabled || m_destroying || !FOnTimer)
        return;
    // The handler may delete this component, and with it FOnTimer.
    const TNotifyEvent handler = FOnTimer;
    const QPointer<TAbFlash> alive(this);
    m_ticking = true;
    // A tick runs inside Qt's event loop, which no exception may cross.
    try {
        handler(this);
    } catch (...) {
    }
    if (alive)
        m_ticking = false;
}

void TAbFlash::UpdateTimer()
{
    if (!FTimerThread->Suspended())
        FTimerThread->Suspend();
    FTimerThread->tInterval = FInterval;
    if (FInterval != 0 && FEnabled && FOnTimer) {
        FTimerThread->SetPriority(FThreadPriority);
        FTimerThread->Resume();
    }
}
