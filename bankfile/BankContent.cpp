// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankContent.h"

QList<bool> BankContent::unreadableRecords() const
{
    QList<bool> unreadable(records.size(), false);
    for (const Finding &finding : findings) {
        if (finding.kind == FindingKind::MissingField)
            unreadable.fill(true);
        else if (finding.kind == FindingKind::UnreadableValue && finding.record >= 0 && finding.record < unreadable.size())
            unreadable[finding.record] = true;
    }
    return unreadable;
}

Finding BankContent::findingAbout(FindingSource source, FindingKind kind, int record) const
{
    Finding finding;
    finding.source = source;
    finding.kind = kind;
    finding.record = record;
    if (record >= 0 && record < records.size())
        finding.cis = records[record].cis;
    if (record >= 0 && record < origins.size()) {
        finding.file = origins[record].file;
        finding.line = origins[record].line;
        finding.question = origins[record].name;
    }
    return finding;
}
