// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankBuilder.h"

#include "paradox/TableWriter.h"

using paradox::FieldDef;
using paradox::FieldType;
using paradox::Value;

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
    paradox::TableWriter writer(fields);
    for (const BankRecord &record : records) {
        writer.addRecord({Value(qint64(record.cis)), Value(qint64(record.skupina)), Value(record.dotaz),
                          Value(record.odp1), Value(record.odp2), Value(record.odp3),
                          Value(record.komentar), Value(qint64(record.cspravOdp))});
    }
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
