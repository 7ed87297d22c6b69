// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>
#include <array>

// A group whose quota needs more questions than its distinct draw numbers can give.
struct DrawShortfall
{
    int group = 0;
    qint32 needed = 0;
    qint32 available = 0;
};

// The groups 1..3 whose quota exceeds what can be drawn from them, in group order; the draw
// would never end with any of them.
QList<DrawShortfall> drawShortfalls(const std::array<qint32, 4> &quota,
                                    const std::array<qint32, 4> &drawable);

// Whether the draw fills every quota with distinct numbers and so ends.
bool drawCanEnd(qint32 questionCount, const std::array<qint32, 4> &quota,
                const std::array<qint32, 4> &drawable);
