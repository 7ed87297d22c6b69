// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankContent.h"

bool BankContent::isReadable(int record) const
{
    return std::none_of(findings.cbegin(), findings.cend(), [record](const Finding &finding) {
        return finding.kind == FindingKind::MissingField
            || (finding.kind == FindingKind::UnreadableValue && finding.record == record);
    });
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
