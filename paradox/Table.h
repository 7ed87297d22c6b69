// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/core/AppError.h"
#include "paradox/Types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace paradox {

// The table engine's error; its message says what is wrong and in which file, in Czech.
class TableError : public AppError
{
public:
    using AppError::AppError;
};

// A read-only reader of a Paradox table (.db) and its memo file (.mb). Both files are read
// whole into memory at open, as one consistent pair, and never written: whatever another
// program does to them afterwards leaves the open table as it was read. Every offset and count
// is checked against the bytes.
class Table
{
public:
    Table();
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    void close();
    void setTableName(const QString &fullPath);
    QString tableName() const;
    // Raises TableError for a missing, unreadable or damaged table, or one whose files kept
    // changing while they were read.
    void open();
    // Opens a table held in memory; `mb` is its memo file, `nameForMessages` names it in errors.
    void openFromBytes(const QByteArray &db, const QByteArray &mb, const QString &nameForMessages);
    bool isOpen() const;

    int recordCount() const;
    void first();
    // At the last record the position stays where it is.
    void next();
    // The sequence number of the current record, 1 for the first; 0 when there is none.
    int recNo() const;
    // Moves straight to record recNo (1-based); out of range raises TableError.
    void setRecNo(int recNo);

    // A field of the current record by name (any letter case). Raises TableError for an
    // unknown field or no current record, ConvertError for a value that is no 32-bit integer.
    qint32 fieldAsInteger(const QString &name) const;
    QString fieldAsString(const QString &name) const;
    // The field of every record as a 32-bit integer, in table order; the position stays. Raises
    // as fieldAsInteger does.
    QList<qint32> integerColumn(const QString &name) const;
    // Several such columns read in one pass, in the order of `names`.
    QList<QList<qint32>> integerColumns(const QStringList &names) const;

    // The table's schema and raw values, for tools.
    int fieldCount() const;
    FieldDef field(int index) const;
    int codePage() const;
    // The value of field `index` of the current record.
    paradox::Value value(int index) const;

private:
    struct Data;
    std::unique_ptr<Data> d;
};

}
