// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankBuilder.h"

#include "bankfile/BankFile.h"
#include "paradox/TableWriter.h"

using paradox::FieldDef;
using paradox::FieldType;

QList<FieldDef> shortNumberFields()
{
    QList<FieldDef> fields = BankTable::fields();
    for (FieldDef &field : fields) {
        if (field.name == BankTable::Skupina || field.name == BankTable::CspravOdp)
            field = {field.name, FieldType::Short, 2};
    }
    return fields;
}

void writeBank(const QString &dbPath, const QList<BankRecord> &records, const QList<FieldDef> &fields)
{
    if (fields == BankTable::fields()) {
        BankContent content;
        content.records = records;
        writeBank(content, dbPath, noProgress(), Backup::Skip);
        return;
    }
    paradox::TableWriter writer(fields);
    for (const BankRecord &record : records)
        writer.addRecord(BankTable::values(record));
    writer.write(dbPath);
}

QList<BankRecord> makeBankRecords(int g1, int g2, int g3, int others)
{
    QList<BankRecord> records;
    records.reserve(g1 + g2 + g3 + others);
    const auto append = [&records](int count, qint32 group) {
        for (int i = 0; i < count; ++i) {
            const qint32 n = static_cast<qint32>(records.size());
            const QString number = QString::number(n);
            records.append({n, group, QStringLiteral("Otázka ") + number,
                            QStringLiteral("Odpověď A ") + number, QStringLiteral("Odpověď B ") + number,
                            QStringLiteral("Odpověď C ") + number, QStringLiteral("Komentář ") + number,
                            n % 3});
        }
    };
    append(g1, 1);
    append(g2, 2);
    append(g3, 3);
    append(others, 0);
    return records;
}
