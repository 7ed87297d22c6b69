// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptFilter.h"

#include <QSortFilterProxyModel>

// The attempts the results view counts: a part of the person's name (any letter case), the
// dates and the bank. The table shows them, the statistics are made of them.
class AttemptSelection : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit AttemptSelection(QObject *parent = nullptr);

    void setPerson(const QString &person);
    void setDates(std::optional<QDate> from, std::optional<QDate> to);
    // Exactly this bank's path and, when given, this version of it; an empty path takes every bank.
    void setBank(const QString &path, const QString &sha256 = QString());

    bool accepts(const results::AttemptRecord &record) const;
    // The accepted attempts of the source model, in its order.
    QList<results::AttemptRecord> selected() const;

signals:
    void selectionChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    void changed();

    QString m_person;
    results::AttemptFilter m_filter;
};
