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
