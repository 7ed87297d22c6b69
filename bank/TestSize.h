#pragma once

#include <QtGlobal>

// Questions in a full test; a bank of fewer than 30 records gives a shorter one.
constexpr qint32 TestCapacity = 30;
