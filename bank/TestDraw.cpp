// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/TestDraw.h"

#include "bank/BankRules.h"
#include "bank/DrawAnalysis.h"

#include <algorithm>

namespace {

bool alreadyDrawn(const QList<DrawnQuestion> &questions, qint32 number)
{
    return std::any_of(questions.begin(), questions.end(),
                       [number](const DrawnQuestion &question) { return question.number == number; });
}

}

TestDraw drawTestNumbers(const DrawAnalysis &analysis, const std::array<qint32, 4> &quota,
                         qint32 questionCount, qint32 recordCount,
                         const std::function<qint32(qint32)> &random,
                         const std::function<qint32(int)> &groupAt)
{
    TestDraw draw;
    do {
        const qint32 number = random(recordCount);
        if (alreadyDrawn(draw.questions, number))
            continue;
        // Where the linear search from the first record would end: the first record numbered
        // so, else the last one.
        const int record = analysis.recordFor(number);
        const qint32 group = groupAt(record);
        if (!BankRules::isDrawableGroup(group) || draw.groupDrawn[group] >= quota[group])
            continue;
        ++draw.groupDrawn[group];
        draw.questions.append({number, group, record});
    } while (draw.questions.size() < questionCount);
    return draw;
}
