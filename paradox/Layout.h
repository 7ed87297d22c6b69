// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // The blocks that hold records, in table order.
    struct BlockRecords
    {
        qint64 firstOffset; // of its first record, inside the file
        qint64 firstRecord; // 0-based, in table order
        int count;
    };
    std::vector<BlockRecords> blocks;
    qint64 recordCount = 0;

    // Raises TableError naming `fileName` when the bytes are no readable data table.
    static Layout parse(const QByteArray &db, const QString &fileName);
    // The block holding record `record` (0-based, in range).
    std::size_t blockOf(qint64 record) const;
};

// Whether `size` bytes suit a field of `type`.
bool isValidFieldSize(FieldType type, int size);

}
