#include "bank/DrawAnalysis.h"

#include <QHash>

DrawAnalysis::DrawAnalysis(const QList<BankEntry> &entries)
    : m_entries(entries)
{
    const int count = static_cast<int>(entries.size());
    QHash<qint32, int> firstWithNumber;
    firstWithNumber.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (!firstWithNumber.contains(entries[i].cis))
            firstWithNumber.insert(entries[i].cis, i);
    }
    m_target.reserve(count);
    for (qint32 number = 0; number < count; ++number) {
        const auto found = firstWithNumber.constFind(number);
        const int position = found != firstWithNumber.constEnd() ? found.value() : count - 1;
        if (found == firstWithNumber.constEnd())
            m_toLast.append(number);
        m_target.append(position);
        const qint32 group = entries[position].skupina;
        if (group >= 1 && group <= 3)
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
