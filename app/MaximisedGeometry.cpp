// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MaximisedGeometry.h"

std::optional<QRect> ownMaximisedGeometry(bool systemMaximises, const QRect &frame,
                                          const QRect &available)
{
    if (systemMaximises)
        return std::nullopt;
    if (frame.width() < available.width() || frame.height() < available.height())
        return available;
    return std::nullopt;
}
