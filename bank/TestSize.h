#pragma once

#include <QtGlobal>

// Questions in a full test; a small bank gives a shorter one.
constexpr qint32 TestCapacity = 30;
