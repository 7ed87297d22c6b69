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

// How many questions the draw can take at most: from each group 1..3 its quota, but no more
// than its distinct draw numbers; a group of a quota below 1 gives none.
qint32 drawableQuestions(const std::array<qint32, 4> &quota, const std::array<qint32, 4> &drawable);

// Whether the draw of questionCount questions ends: it does once every group has given what it
// can, so other groups may make up for one that falls short of its quota.
bool drawCanEnd(qint32 questionCount, const std::array<qint32, 4> &quota,
                const std::array<qint32, 4> &drawable);

// The groups 1..3 that fall short of their quota, in group order, when a draw of as many
// questions as the quotas add up to could never end; none when it can.
QList<DrawShortfall> drawShortfalls(const std::array<qint32, 4> &quota,
                                    const std::array<qint32, 4> &drawable);
