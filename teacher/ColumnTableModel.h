// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <functional>

// The value a proxy sorts by: numbers and dates as themselves, where the shown text would sort
// "10" before "9".
inline constexpr int SortRole = Qt::UserRole;

// A read-only table of rows of one type, each column a header and how to show and sort a row.
template<typename Row>
class ColumnTableModel : public QAbstractTableModel
{
public:
    using Value = std::function<QVariant(const Row &)>;
    struct Column
    {
        // Without a sort key a column sorts by the value shown.
        Column(QString header, Value display, Value sortKey = Value(),
               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, QString toolTip = QString())
            : header(std::move(header)), display(std::move(display)), sortKey(std::move(sortKey)),
              alignment(alignment), toolTip(std::move(toolTip))
        {
        }

        QString header;
        Value display;
        Value sortKey;
        Qt::Alignment alignment;
        QString toolTip;
    };

    explicit ColumnTableModel(QList<Column> columns, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_columns(std::move(columns))
    {
    }

    void setRows(QList<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const QList<Row> &rows() const { return m_rows; }
    const Row &row(int index) const { return m_rows.at(index); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const Column &column = m_columns.at(index.column());
        const Row &row = m_rows.at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return column.display(row);
        case SortRole:
            return column.sortKey ? column.sortKey(row) : column.display(row);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column.alignment);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
            return QAbstractTableModel::headerData(section, orientation, role);
        if (role == Qt::DisplayRole)
            return m_columns.at(section).header;
        if (role == Qt::ToolTipRole && !m_columns.at(section).toolTip.isEmpty())
            return m_columns.at(section).toolTip;
        return {};
    }

private:
    QList<Column> m_columns;
    QList<Row> m_rows;
};
