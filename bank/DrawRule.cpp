// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/DrawRule.h"

#include <algorithm>

qint32 drawableQuestions(const std::array<qint32, 4> &quota, const std::array<qint32, 4> &drawable)
{
    qint64 total = 0;
    for (int g = 1; g <= 3; ++g)
        total += std::max<qint64>(0, std::min(quota[g], drawable[g]));
    return static_cast<qint32>(total);
}

bool drawCanEnd(qint32 questionCount, const std::array<qint32, 4> &quota,
                const std::array<qint32, 4> &drawable)
{
    return questionCount >= 1 && drawableQuestions(quota, drawable) >= questionCount;
}

QList<DrawShortfall> drawShortfalls(const std::array<qint32, 4> &quota,
                                    const std::array<qint32, 4> &drawable)
{
    QList<DrawShortfall> shortfalls;
    const qint64 questionCount = qint64(quota[1]) + quota[2] + quota[3];
    if (drawableQuestions(quota, drawable) >= questionCount)
        return shortfalls;
    for (int g = 1; g <= 3; ++g) {
        if (quota[g] > drawable[g])
            shortfalls.append({g, quota[g], drawable[g]});
    }
    return shortfalls;
}
