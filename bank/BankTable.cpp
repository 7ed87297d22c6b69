// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/BankTable.h"

#include "paradox/Table.h"

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

QStringList missingFields(const paradox::Table &table)
{
    QStringList missing;
    for (const QString &name : fieldNames()) {
        bool found = false;
        for (int i = 0; i < table.fieldCount() && !found; ++i)
            found = table.field(i).name.compare(name, Qt::CaseInsensitive) == 0;
        if (!found)
            missing.append(name);
    }
    return missing;
}

BankRecord readRecord(const paradox::Table &table)
{
    BankRecord record;
    record.cis = table.fieldAsInteger(Cis);
    record.skupina = table.fieldAsInteger(Skupina);
    record.cspravOdp = table.fieldAsInteger(CspravOdp);
    record.dotaz = table.fieldAsString(Dotaz);
    record.odp1 = table.fieldAsString(Odp1);
    record.odp2 = table.fieldAsString(Odp2);
    record.odp3 = table.fieldAsString(Odp3);
    record.komentar = table.fieldAsString(Komentar);
    return record;
}

QList<paradox::Value> values(const BankRecord &record)
{
    return {qint64(record.cis), qint64(record.skupina), record.dotaz, record.odp1,
            record.odp2, record.odp3, record.komentar, qint64(record.cspravOdp)};
}

}
