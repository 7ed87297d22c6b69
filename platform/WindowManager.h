// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// Whether the window system gives a maximised window its size: a Wayland compositor always does,
// an X server only while a window manager runs. Tests replace the answer.
class WindowManager
{
public:
    static bool maximises();
    static void setHandler(std::function<bool()> handler);
};
