#include "indicators/AbFlash.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {
std::atomic<bool> applicationTerminating = false;

QThread::Priority QtPriority(TThreadPriority priority)
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

void WatchApplicationQuit()
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
    WatchApplicationQuit();
}

TAbThread::~TAbThread()
{
    Terminate();
    wait();
}

bool TAbThread::Terminated() const
{
    QMutexLocker lock(&FMutex);
    return FTerminated;
}

void TAbThread::Terminate()
{
    QMutexLocker lock(&FMutex);
    FTerminated = true;
    FWake.wakeAll();
}

bool TAbThread::Suspended() const
{
    QMutexLocker lock(&FMutex);
    return FSuspended;
}

void TAbThread::Suspend()
{
    QMutexLocker lock(&FMutex);
    FSuspended = true;
}

void TAbThread::Resume()
{
    QMutexLocker lock(&FMutex);
    if (!FSuspended)
        return;
    FSuspended = false;
    if (FStarted) {
        FWake.wakeAll();
        return;
    }
    FStarted = true;
    const QThread::Priority priority = QtPriority(FPriority);
    lock.unlock();
    start(priority);
}

void TAbThread::SetPriority(TThreadPriority Value)
{
    QMutexLocker lock(&FMutex);
    FPriority = Value;
    if (isRunning())
        setPriority(QtPriority(Value));
}

bool TAbThread::ApplicationTerminating()
{
    return applicationTerminating;
}

bool TAbThread::WaitWhileSuspended()
{
    QMutexLocker lock(&FMutex);
    while (FSuspended && !FTerminated)
        FWake.wait(&FMutex);
    return !FTerminated;
}

bool TAbThread::Sleep(quint32 milliseconds)
{
    QMutexLocker lock(&FMutex);
    const QDeadlineTimer deadline(milliseconds);
    while (!FTerminated) {
        if (!FWake.wait(&FMutex, deadline))
            return true;
    }
    return false;
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

void TTimerThread::run()
{
    while (!Stopped() && WaitWhileSuspended()) {
        // A suspension that came during the sleep holds this tick back.
        if (!Sleep(tInterval) || Stopped() || Suspended())
            continue;
        TAbFlash *owner = tOwner;
        QMetaObject::invokeMethod(
            owner, [owner] { owner->Timer(); }, Qt::BlockingQueuedConnection);
    }
}

TAbFlash::TAbFlash(QObject *AOwner)
    : QObject(AOwner)
    , FTimerThread(std::make_unique<TTimerThread>(this, false))
{
}

TAbFlash::~TAbFlash()
{
    FDestroying = true;
    FEnabled = false;
    FOnTimer = nullptr;
    FTimerThread->Terminate();
    // The thread may be waiting for a tick it has handed over; running that tick here (against
    // this disabled component, so it does nothing) releases it. Blocking on the thread without
    // this would deadlock.
    while (!FTimerThread->wait(QDeadlineTimer(1)))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
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
    if (!FEnabled || FDestroying || !FOnTimer)
        return;
    FTicking = true;
    // A tick runs inside Qt's event loop, which no exception may cross.
    try {
        FOnTimer(this);
    } catch (...) {
    }
    FTicking = false;
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
