// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// Runs an event handler; an error it raises ends it and is shown in the standard error box,
// and the program goes on. Exceptions must never cross Qt's event loop.
void guarded(const std::function<void()> &handler);
