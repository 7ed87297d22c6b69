#pragma once

#include <QtGlobal>
#include <array>

// How a bank's groups share a test: the questions per test, each group's percentage of the
// bank (adjusted to sum 100) and its quota (adjusted to sum the questions per test). Arrays are
// indexed by group 1..3.
struct GroupQuotas
{
    qint32 questionCount = 0;
    std::array<qint32, 4> percent{};
    std::array<qint32, 4> quota{};
};

// recordCount counts every record, also those of no group; questionCount is the test's
// capacity before a small bank lowers it.
GroupQuotas ComputeGroupQuotas(qint32 recordCount, const std::array<qint32, 4> &groupCount,
                               qint32 questionCount);
