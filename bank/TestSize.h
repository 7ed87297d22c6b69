// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Questions in a full test; a small bank gives a shorter one.
constexpr qint32 TestCapacity = 30;
