#pragma once

#include "platform/ParadoxTypes.h"

#include <QList>
#include <QString>

// Writes a non-keyed Paradox table (.db, and its .mb when a memo value does not fit into the
// record) that Paradox readers read. Fields of type Alpha, Short, Long, Number and Memo.
class TableWriter
{
public:
    explicit TableWriter(QList<paradox::FieldDef> fields, int codePage = 1250);

    // One value per field: blank, an integer, a real or a text. Raises TableError for a value
    // that the field cannot hold.
    void addRecord(const QList<paradox::Value> &values);
    int recordCount() const { return static_cast<int>(m_records.size()); }

    // Writes the table and, when needed, the memo file beside it (same name, extension .mb).
    // Raises TableError when a file cannot be written.
    void write(const QString &dbPath) const;

private:
    QList<paradox::FieldDef> m_fields;
    int m_codePage;
    QList<QList<paradox::Value>> m_records;
};
