#pragma once

#include "paradox/Types.h"

#include <QByteArray>
#include <QList>
#include <vector>

namespace paradox {

// What the bytes of a .db file say: the schema, the code page and where each record lies.
// Built once at open; every offset and count is checked against the file first.
struct Layout
{
    int recordSize = 0;
    int codePage = 437;
    QList<FieldDef> fields;
    QList<int> fieldOffsets; // inside a record
    std::vector<qint32> recordOffsets; // inside the file, in table order

    // Raises TableError naming `fileName` when the bytes are no readable data table.
    static Layout parse(const QByteArray &db, const QString &fileName);
};

// Whether `size` bytes suit a field of `type`.
bool IsValidFieldSize(FieldType type, int size);

}
