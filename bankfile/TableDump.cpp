// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/TableDump.h"

#include "paradox/Table.h"
#include "paradox/Value.h"
#include "platform/core/AppError.h"

TableDump dumpTable(paradox::Table &table, const CsvStyle &style)
{
    TableDump dump;
    QStringList names;
    for (int i = 0; i < table.fieldCount(); ++i)
        names.append(table.field(i).name);
    if (style.byteOrderMark)
        dump.csv = QChar(0xFEFF);
    dump.csv += Csv::formatRow(names, style.separator);
    for (int r = 0; r < table.recordCount(); ++r) {
        table.setRecNo(r + 1);
        QStringList cells;
        for (int i = 0; i < table.fieldCount(); ++i) {
            QString cell;
            try {
                cell = paradox::valueToText(table.value(i), table.field(i).type);
            } catch (const AppError &error) {
                Finding problem;
                problem.source = FindingSource::Dump;
                problem.record = r;
                problem.field = names[i];
                problem.values = {error.message()};
                dump.problems.append(problem);
            }
            cells.append(cell);
        }
        dump.csv += Csv::formatRow(cells, style.separator);
    }
    return dump;
}
