// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/GroupQuotas.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>

namespace {

// Group 1 alone absorbs any difference from the wanted sum.
void adjustToSum(std::array<qint32, 4> &values, qint32 wantedSum)
{
    for (;;) {
        const qint32 sum = values[1] + values[2] + values[3];
        if (sum == wantedSum)
            return;
        values[1] += sum < wantedSum ? 1 : -1;
    }
}

}

qint32 groupPercentOf(qint32 part, qint32 whole)
{
    // A software float, because long double is the x87 format on x86 only (ARM's is wider
    // or plain double and rounds such ties the other way).
    using Extended = boost::multiprecision::cpp_bin_float_double_extended;
    if (whole <= 0)
        return 0;
    const Extended quotient = Extended(part) / Extended(whole);
    const Extended percent = quotient * 100;
    // Boost's rint takes a half away from zero, so the even neighbour is chosen here; the
    // fraction of a binary float is exact.
    const Extended integral = floor(percent);
    const Extended fraction = percent - integral;
    auto rounded = static_cast<qint32>(integral);
    if (fraction > Extended(0.5) || (fraction == Extended(0.5) && rounded % 2 != 0))
        ++rounded;
    return rounded;
}

GroupQuotas computeGroupQuotas(qint32 recordCount, const std::array<qint32, 4> &groupCount,
                               qint32 questionCount)
{
    GroupQuotas result;
    result.questionCount = recordCount - 5 <= questionCount ? recordCount - 5 : questionCount;
    // An empty bank has no shares to give: everything stays 0 instead of dividing by zero.
    if (recordCount <= 0)
        return result;
    for (int g = 1; g <= 3; ++g)
        result.percent[g] = groupPercentOf(groupCount[g], recordCount);
    adjustToSum(result.percent, 100);
    for (int g = 1; g <= 3; ++g)
        result.quota[g] = static_cast<qint32>(
            std::nearbyint(static_cast<double>(result.questionCount) * result.percent[g] / 100.0));
    adjustToSum(result.quota, result.questionCount);
    return result;
}
