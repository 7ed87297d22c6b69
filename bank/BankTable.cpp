// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/BankTable.h"

namespace BankTable {

QList<paradox::FieldDef> fields()
{
    using paradox::FieldType;
    const auto number = [](const QString &name) { return paradox::FieldDef{name, FieldType::Long, 4}; };
    const auto memo = [](const QString &name) { return paradox::FieldDef{name, FieldType::Memo, MemoInlineSize}; };
    return {number(Cis), number(Skupina), memo(Dotaz), memo(Odp1),
            memo(Odp2), memo(Odp3), memo(Komentar), number(CspravOdp)};
}

QList<QString> fieldNames()
{
    QList<QString> names;
    for (const paradox::FieldDef &field : fields())
        names.append(field.name);
    return names;
}

}
