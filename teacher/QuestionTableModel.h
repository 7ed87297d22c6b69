// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

class QUndoStack;

// The questions of the open bank, a row each, in the bank's order; the findings of the last
// check marked on the cells they are about. An edit through the view becomes one command on the
// undo stack; the commands change the rows through setValue, insertRecords and removeRecords.
class QuestionTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // In the order the columns are shown.
    enum Column { Cis, Skupina, Dotaz, Odp1, Odp2, Odp3, CspravOdp, Komentar, ColumnCount };

    explicit QuestionTableModel(QUndoStack *undoStack, QObject *parent = nullptr);

    // The bank's field a column shows, and the column of a field (-1 for none).
    static QString fieldOf(int column);
    static int columnOf(const QString &field);

    void setContent(BankContent content);
    const BankContent &content() const { return m_content; }
    const BankRecord &record(int row) const { return m_content.records.at(row); }

    // The stored value: a number for Cis, Skupina and CspravOdp, else the text.
    QVariant value(int row, int column) const;
    void setValue(int row, int column, const QVariant &value);
    // The read findings of a table (records that did not read) move with their rows: removing
    // rows hands theirs back, numbered from the first removed row, and inserting takes them so.
    void insertRecords(int row, const QList<BankRecord> &records, const QList<RecordOrigin> &origins,
                       const QList<Finding> &readFindings = {});
    QList<Finding> removeRecords(int row, int count);

    void setFindings(const QList<Finding> &findings);
    QList<Finding> findingsOf(int row) const { return m_findings.value(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // After any change of the records, by an edit, its undo or its redo.
    void recordsChanged();

private:
    QVariant displayed(int row, int column) const;
    QString findingsText(int row, int column) const;
    bool hasFinding(int row, int column, bool *blocking) const;

    QUndoStack *m_undoStack;
    BankContent m_content;
    QHash<int, QList<Finding>> m_findings;
    QIcon m_findingIcon;
};

// The correct answer as the test names it: "A", "B", "C", or the stored number when it is none.
QString answerName(qint32 cspravOdp);
// "A", "B", "C" (any case) or a number; none for anything else.
std::optional<qint32> answerFromText(const QString &text);
