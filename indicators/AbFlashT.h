#pragma once

#include <QEvent>
#include <QtGlobal>

class QWidget;

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

// Registers a control with the flash timer service (or updates its registration): Interval is
// a flash kind 2..6, 32 for once a second, or an interval in milliseconds.
void AddFlashClient(QWidget *Control, qint64 Interval);
void RemoveFlashClient(QWidget *Control);
