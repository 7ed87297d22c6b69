// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TableDump.h"

#include "Csv.h"
#include "paradox/Table.h"
#include "paradox/Value.h"
#include "platform/core/AppError.h"

TableDump dumpTable(paradox::Table &table)
{
    TableDump dump;
    QStringList names;
    for (int i = 0; i < table.fieldCount(); ++i)
        names.append(table.field(i).name);
    dump.csv = Csv::formatRow(names);
    for (int r = 0; r < table.recordCount(); ++r) {
        table.setRecNo(r + 1);
        QStringList cells;
        for (int i = 0; i < table.fieldCount(); ++i) {
            QString cell;
            try {
                cell = paradox::valueToText(table.value(i), table.field(i).type);
            } catch (const AppError &error) {
                dump.problems.append(QStringLiteral("Záznam č. %1, pole %2: %3")
                                         .arg(r + 1).arg(names[i], error.message()));
            }
            cells.append(cell);
        }
        dump.csv += Csv::formatRow(cells);
    }
    return dump;
}
