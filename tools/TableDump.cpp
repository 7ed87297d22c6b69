#include "TableDump.h"

#include "Csv.h"
#include "platform/ParadoxTable.h"
#include "platform/ParadoxValue.h"

QString DumpTable(ParadoxTable &table)
{
    QStringList names;
    for (int i = 0; i < table.fieldCount(); ++i)
        names.append(table.field(i).name);
    QString csv = Csv::formatRow(names);
    for (int r = 0; r < table.recordCount(); ++r) {
        table.setRecNo(r + 1);
        QStringList cells;
        for (int i = 0; i < table.fieldCount(); ++i)
            cells.append(paradox::ValueToText(table.value(i), table.field(i).type));
        csv += Csv::formatRow(cells);
    }
    return csv;
}
