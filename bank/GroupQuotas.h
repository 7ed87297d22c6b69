// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
GroupQuotas computeGroupQuotas(qint32 recordCount, const std::array<qint32, 4> &groupCount,
                               qint32 questionCount);

// part / whole × 100 in 80-bit extended arithmetic: the quotient and the product are each
// rounded to a 64-bit significand, then to the nearest integer, a half to the even one. The
// precision decides near-ties such as 59 of 200 (29, not 30). 0 for no whole.
qint32 groupPercentOf(qint32 part, qint32 whole);
