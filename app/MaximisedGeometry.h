// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <optional>

// The geometry the program gives its maximised window itself. Only where the window system leaves
// a maximised window at its old size (a bare X server) does it take the available screen, and
// only while it falls short of it; where the window system sizes maximised windows, its size
// stands, and a larger one breaks a Wayland compositor's protocol or undoes a window manager's
// maximising.
std::optional<QRect> ownMaximisedGeometry(bool systemMaximises, const QRect &frame,
                                          const QRect &available);
