// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/DrawRule.h"

QList<DrawShortfall> drawShortfalls(const std::array<qint32, 4> &quota,
                                    const std::array<qint32, 4> &drawable)
{
    QList<DrawShortfall> shortfalls;
    for (int g = 1; g <= 3; ++g) {
        if (quota[g] > drawable[g])
            shortfalls.append({g, quota[g], drawable[g]});
    }
    return shortfalls;
}

bool drawCanEnd(qint32 questionCount, const std::array<qint32, 4> &quota,
                const std::array<qint32, 4> &drawable)
{
    return questionCount >= 1 && drawShortfalls(quota, drawable).isEmpty();
}
