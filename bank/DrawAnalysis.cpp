// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/DrawAnalysis.h"

#include "bank/BankRules.h"

#include <vector>

DrawAnalysis::DrawAnalysis(const QList<BankEntry> &entries)
    : m_entries(entries)
{
    const int count = static_cast<int>(entries.size());
    // Only the numbers 0..count-1 are ever drawn, so a plain array finds their records.
    std::vector<int> firstWithNumber(static_cast<size_t>(count), -1);
    for (int i = 0; i < count; ++i) {
        const qint32 cis = entries[i].cis;
        if (cis >= 0 && cis < count && firstWithNumber[static_cast<size_t>(cis)] < 0)
            firstWithNumber[static_cast<size_t>(cis)] = i;
    }
    m_target.resize(count);
    for (qint32 number = 0; number < count; ++number) {
        int position = firstWithNumber[static_cast<size_t>(number)];
        if (position < 0) {
            position = count - 1;
            m_toLast.append(number);
        }
        m_target[number] = position;
        const qint32 group = entries[position].skupina;
        if (BankRules::isDrawableGroup(group))
            ++m_drawable[group];
    }
}

int DrawAnalysis::recordFor(qint32 number) const
{
    if (m_entries.isEmpty())
        return -1;
    if (number < 0 || number >= m_target.size())
        return static_cast<int>(m_entries.size()) - 1;
    return m_target[number];
}

QList<int> DrawAnalysis::unreachableRecords() const
{
    QList<bool> reached(m_entries.size(), false);
    for (int position : m_target)
        reached[position] = true;
    QList<int> unreachable;
    for (int i = 0; i < reached.size(); ++i) {
        if (!reached[i])
            unreachable.append(i);
    }
    return unreachable;
}
