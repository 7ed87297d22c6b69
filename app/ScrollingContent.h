// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMainWindow;

// Puts the window's content into a scroll area, once: on a screen smaller than the design the
// content scrolls, and the window never asks the window system for more room than it gives.
// As large as the design or larger, the content fills the window as before.
void letContentScroll(QMainWindow &window);
