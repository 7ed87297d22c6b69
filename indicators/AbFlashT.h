// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indicators/AbFlash.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

// The flash timer's notification, delivered synchronously to a registered control: the tick
// counter and, for flash clients, the state (1 on, 0 off) or, for millisecond clients, the
// lateness in milliseconds.
constexpr QEvent::Type WM_FLASHTICK = static_cast<QEvent::Type>(0x464);

class TFlashTickEvent : public QEvent
{
public:
    TFlashTickEvent(quint32 counter, qint64 value)
        : QEvent(WM_FLASHTICK)
        , Counter(counter)
        , Value(value)
    {
    }

    const quint32 Counter;
    const qint64 Value;
};

// The one flash timer of the application; a second instance complains and stays inert.
class TAbFlashTimer : public TAbFlash
{
    Q_OBJECT

public:
    explicit TAbFlashTimer(QObject *AOwner);
    ~TAbFlashTimer() override;

    // Serves every registered control once.
    void FlashTick(QObject *Sender);
};

struct TFlashClient
{
    // Null once the control is gone; such a record is skipped.
    QPointer<QWidget> Control;
    // A flash kind 2..6, 32 for once a second, or milliseconds (decided on the low 32 bits).
    qint64 Interval = 0;
    // For millisecond clients: the tick count at which the client is next due.
    qint64 NextDue = 0;
    bool LastState = false;
};

// Registers a control with the flash timer service (or updates its registration): Interval is
// a flash kind 2..6, 32 for once a second, or an interval in milliseconds.
void AddFlashClient(QWidget *Control, qint64 Interval);
void RemoveFlashClient(QWidget *Control);
void RemoveFlashClientAt(int Index);
void EnsureFlashTimer();
void FreeFlashTimer();
void FreeFlashClients();

int flashClientCount();
const TFlashClient *flashClientAt(int Index);
TAbFlashTimer *FlashTimer();
quint32 FlashCounter();

// Module end and a fresh start (counter 0, no clients, no timer), so each test starts alike.
void resetFlashModuleForTests();
