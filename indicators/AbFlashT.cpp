// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indicators/AbFlashT.h"

#include "platform/core/Clock.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct FlashModule
{
    std::vector<std::unique_ptr<TFlashClient>> Clients;
    quint32 Counter = 0;
    TAbFlashTimer *Timer = nullptr;
    quint16 TimerCount = 0;
    double NextSecondAt = 0;
    const double OneSecond = 1.0 / 86400.0;
};

// Never destroyed: controls may still unregister while statics are torn down at exit.
FlashModule &flashModule()
{
    static FlashModule *module = new FlashModule;
    return *module;
}

// The module end, run when the program's statics are destroyed.
struct FlashModuleEnd
{
    ~FlashModuleEnd()
    {
        FreeFlashTimer();
        FreeFlashClients();
    }
} moduleEnd;

bool applicationBeingDestroyed()
{
    return !QCoreApplication::instance() || QCoreApplication::closingDown();
}

// Far-off intervals must not overflow into the past.
qint64 saturatedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 saturatedSub(qint64 a, qint64 b)
{
    qint64 difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference))
        return difference;
    return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

constexpr qint64 MaxLateness = 1000;

void notify(QWidget *control, quint32 counter, qint64 value)
{
    TFlashTickEvent event(counter, value);
    QCoreApplication::sendEvent(control, &event);
}

void serveClient(TFlashClient &client, quint32 counter, qint64 now, bool secondPassed)
{
    // The record may be gone once the control has been notified.
    QWidget *const control = client.Control;
    if (!control)
        return;
    const qint32 kind = static_cast<qint32>(client.Interval);
    if (kind >= 2 && kind <= 6) {
        const bool state = (counter >> kind) & 1u;
        if (state == client.LastState)
            return;
        client.LastState = state;
        notify(control, counter, state ? 1 : 0);
    } else if (kind == 32) {
        if (secondPassed)
            notify(control, counter, 0);
    } else {
        if (now < client.NextDue)
            return;
        // The tick count is 64 bits, so the lateness is never negative and never wraps.
        const qint64 late = saturatedSub(now, client.NextDue);
        const qint64 correction = late > MaxLateness ? 0 : late;
        client.NextDue = saturatedAdd(now, saturatedSub(client.Interval, correction));
        notify(control, counter, correction);
    }
}

void freeFlashTimerAtApplicationEnd()
{
    FreeFlashTimer();
}

}

TAbFlashTimer::TAbFlashTimer(QObject *AOwner)
    : TAbFlash(AOwner)
{
    FlashModule &module = flashModule();
    ++module.TimerCount;
    if (module.TimerCount == 1)
        SetOnTimer([this](QObject *sender) { FlashTick(sender); });
    else
        Messages::show(QStringLiteral("Only one TAbFlashTimer per Application!\nRemove it..."),
                       QStringLiteral("Error Message"));
}

TAbFlashTimer::~TAbFlashTimer()
{
    --flashModule().TimerCount;
}

void TAbFlashTimer::FlashTick(QObject *)
{
    FlashModule &module = flashModule();
    const quint32 counter = ++module.Counter;
    const qint64 now = Clock::tickCount();
    bool secondPassed = false;
    if (Clock::now() >= module.NextSecondAt) {
        module.NextSecondAt += module.OneSecond;
        secondPassed = true;
    }
    // Clients that a notification adds are served from the next tick on.
    const size_t count = module.Clients.size();
    for (size_t position = 0; position < count; ++position) {
        if (applicationBeingDestroyed() || position >= module.Clients.size())
            return;
        try {
            serveClient(*module.Clients[position], counter, now, secondPassed);
        } catch (...) {
            // One failing client must not stop the others.
        }
    }
}

void AddFlashClient(QWidget *Control, qint64 Interval)
{
    if (!Control)
        return;
    auto &clients = flashModule().Clients;
    const qint64 now = Clock::tickCount();
    bool registered = false;
    for (const auto &client : clients) {
        if (client->Control == Control) {
            client->Interval = Interval;
            client->NextDue = saturatedAdd(now, Interval);
            registered = true;
        }
    }
    if (!registered) {
        auto client = std::make_unique<TFlashClient>();
        client->Control = Control;
        client->Interval = Interval;
        client->NextDue = saturatedAdd(now, Interval);
        clients.push_back(std::move(client));
    }
    if (clients.capacity() - clients.size() < 2)
        clients.reserve(clients.size() + 10);
    if (!clients.empty())
        EnsureFlashTimer();
}

void RemoveFlashClient(QWidget *Control)
{
    auto &clients = flashModule().Clients;
    for (size_t position = 0; position < clients.size(); ++position) {
        if (clients[position]->Control == Control) {
            RemoveFlashClientAt(static_cast<int>(position));
            break;
        }
    }
    if (applicationBeingDestroyed() && clients.empty())
        FreeFlashTimer();
}

void RemoveFlashClientAt(int Index)
{
    auto &clients = flashModule().Clients;
    if (Index < 0 || static_cast<size_t>(Index) >= clients.size())
        return;
    clients.erase(clients.begin() + Index);
}

void EnsureFlashTimer()
{
    FlashModule &module = flashModule();
    if (module.Timer)
        return;
    static bool endRegistered = false;
    if (!endRegistered && QCoreApplication::instance()) {
        // The tick thread must be gone before the event loop it waits on is.
        qAddPostRoutine(freeFlashTimerAtApplicationEnd);
        endRegistered = true;
    }
    module.NextSecondAt = Clock::now() + module.OneSecond;
    module.Timer = new TAbFlashTimer(nullptr);
}

void FreeFlashTimer()
{
    FlashModule &module = flashModule();
    TAbFlashTimer *timer = module.Timer;
    if (!timer)
        return;
    module.Timer = nullptr;
    // From inside its own tick, FlashTick goes on after this call.
    if (timer->Ticking()) {
        timer->SetEnabled(false);
        timer->deleteLater();
    } else {
        delete timer;
    }
}

void FreeFlashClients()
{
    flashModule().Clients.clear();
}

int flashClientCount()
{
    return static_cast<int>(flashModule().Clients.size());
}

const TFlashClient *flashClientAt(int Index)
{
    const auto &clients = flashModule().Clients;
    if (Index < 0 || static_cast<size_t>(Index) >= clients.size())
        return nullptr;
    return clients[static_cast<size_t>(Index)].get();
}

TAbFlashTimer *FlashTimer()
{
    return flashModule().Timer;
}

quint32 FlashCounter()
{
    return flashModule().Counter;
}

void resetFlashModuleForTests()
{
    FreeFlashTimer();
    FreeFlashClients();
    flashModule().Counter = 0;
}
