#pragma once

#include <QtGlobal>

class QWidget;

// Registers a control with the flash timer service (or updates its registration): Interval is
// a flash kind 2..6, 32 for once a second, or an interval in milliseconds.
void AddFlashClient(QWidget *Control, qint64 Interval);
void RemoveFlashClient(QWidget *Control);
