#include "bank/GroupQuotas.h"

#include <cmath>

namespace {

// 80-bit extended arithmetic: the quotient and the product are each rounded to a 64-bit
// significand, which decides near-ties such as 59 of 200 (29, not 30).
qint32 roundedPercent(qint32 part, qint32 whole)
{
    if (whole <= 0)
        return 0;
    volatile long double quotient = static_cast<long double>(part) / static_cast<long double>(whole);
    volatile long double percent = quotient * 100.0L;
    return static_cast<qint32>(std::nearbyintl(percent));
}

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

GroupQuotas ComputeGroupQuotas(qint32 recordCount, const std::array<qint32, 4> &groupCount,
                               qint32 questionCount)
{
    GroupQuotas result;
    result.questionCount = recordCount - 5 <= questionCount ? recordCount - 5 : questionCount;
    // An empty bank has no shares to give: everything stays 0 instead of dividing by zero.
    if (recordCount <= 0)
        return result;
    for (int g = 1; g <= 3; ++g)
        result.percent[g] = roundedPercent(groupCount[g], recordCount);
    adjustToSum(result.percent, 100);
    for (int g = 1; g <= 3; ++g)
        result.quota[g] = static_cast<qint32>(
            std::nearbyint(static_cast<double>(result.questionCount) * result.percent[g] / 100.0));
    adjustToSum(result.quota, result.questionCount);
    return result;
}
