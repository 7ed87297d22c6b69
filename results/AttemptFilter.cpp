// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/AttemptFilter.h"

#include <algorithm>

namespace results {

bool AttemptFilter::accepts(const AttemptRecord &record) const
{
    // The date the attempt had where it was taken, whatever the reader's time zone.
    const QDate date = record.start.date();
    if (from && date < *from)
        return false;
    if (to && date > *to)
        return false;
    if ((!bankPath.isEmpty() && record.bank.path != bankPath)
        || (!bankSha256.isEmpty() && record.bank.table.sha256 != bankSha256))
        return false;
    if (bank.isEmpty())
        return true;
    return record.bank.path.contains(bank, Qt::CaseInsensitive)
        || record.bank.table.sha256.startsWith(bank, Qt::CaseInsensitive);
}

QList<AttemptRecord> filtered(const QList<AttemptRecord> &attempts, const AttemptFilter &filter)
{
    QList<AttemptRecord> kept;
    std::copy_if(attempts.cbegin(), attempts.cend(), std::back_inserter(kept),
                 [&filter](const AttemptRecord &record) { return filter.accepts(record); });
    return kept;
}

}
