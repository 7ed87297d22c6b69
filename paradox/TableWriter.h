// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "paradox/Types.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace paradox {

class TableFiles;
class TextCodec;

// Writes a non-keyed Paradox table (.db, and its .mb when it has memo fields) that Paradox
// readers read. Fields of type Alpha, Short, Long, Number and Memo.
class TableWriter
{
public:
    // Raises TableError for a field the writer cannot make or a code page iconv lacks.
    explicit TableWriter(QList<FieldDef> fields, int codePage = 1250);
    ~TableWriter();
    TableWriter(const TableWriter &) = delete;
    TableWriter &operator=(const TableWriter &) = delete;

    // One value per field: blank, an integer, a real or a text. Raises TableError for a value
    // that the field cannot hold; the table is then as it was before the call.
    void addRecord(const QList<paradox::Value> &values);
    int recordCount() const { return static_cast<int>(m_records.size()); }
    // Makes room for this many records at once, so that a large table is not moved as it grows.
    void reserve(qsizetype records) { m_records.reserve(records); }

    // Writes the table and, when it has memo fields, the memo file beside it (same name,
    // extension .mb, or the memo file of that name already there in another letter case; beside
    // the target when dbPath is a link), as TableFiles describes: a kill
    // or a failure at any moment leaves the old table or the new one. `afterReplacing` runs once
    // the new table is in place, still under the folder's lock, with the files as they were
    // before. Raises TableError when a file cannot be written or another writer is at work.
    // The records' places in the memo file are filled in here.
    void write(const QString &dbPath, const std::function<void(const TableFiles &)> &afterReplacing = {});

private:
    // A memo text longer than its record holds, placed in the memo file when written.
    struct LongMemo
    {
        qsizetype record;
        int leaderOffset; // inside the record
        QByteArray text;
    };

    QByteArray encodeField(const FieldDef &field, const paradox::Value &value, qsizetype record,
                           int fieldOffset, QList<LongMemo> &longMemos) const;
    QByteArray encodeText(const FieldDef &field, const paradox::Value &value) const;
    QByteArray header(const QString &tableName) const;
    int recordsPerBlock() const;
    qsizetype blockCount() const;
    // The data block `block` of the table file, its records copied in.
    QByteArray dataBlock(qsizetype block) const;
    bool hasMemoFields() const;

    QList<FieldDef> m_fields;
    std::unique_ptr<TextCodec> m_codec;
    int m_recordSize = 0;
    int m_blockSize = 0;
    // Each record apart, so that the memory a caller frees record by record while adding them
    // serves them; the data blocks are made one at a time as the file is written.
    QList<QByteArray> m_records;
    QList<LongMemo> m_longMemos;
};

}
