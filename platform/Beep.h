// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The system's default beep, replaceable by tests.
class Beep
{
public:
    static void sound();
    static void setHandler(std::function<void()> handler);
};
