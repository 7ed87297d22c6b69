// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankFields.h"

#include "bank/BankTable.h"
#include "paradox/Table.h"

QStringList missingBankFields(const paradox::Table &table)
{
    QStringList missing;
    for (const QString &name : BankTable::fieldNames()) {
        bool found = false;
        for (int i = 0; i < table.fieldCount() && !found; ++i)
            found = table.field(i).name.compare(name, Qt::CaseInsensitive) == 0;
        if (!found)
            missing.append(name);
    }
    return missing;
}
