// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/AttemptSelection.h"

#include "teacher/ResultsColumns.h"

AttemptSelection::AttemptSelection(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(SortRole);
}

void AttemptSelection::setPerson(const QString &person)
{
    m_person = person.trimmed();
    changed();
}

void AttemptSelection::setDates(std::optional<QDate> from, std::optional<QDate> to)
{
    m_filter.from = from;
    m_filter.to = to;
    changed();
}

void AttemptSelection::setBank(const QString &path, const QString &sha256)
{
    m_filter.bankPath = path;
    m_filter.bankSha256 = sha256;
    changed();
}

bool AttemptSelection::accepts(const results::AttemptRecord &record) const
{
    return record.person.contains(m_person, Qt::CaseInsensitive) && m_filter.accepts(record);
}

QList<results::AttemptRecord> AttemptSelection::selected() const
{
    QList<results::AttemptRecord> attempts;
    if (auto *model = dynamic_cast<const AttemptModel *>(sourceModel())) {
        for (const results::AttemptRecord &record : model->rows()) {
            if (accepts(record))
                attempts.append(record);
        }
    }
    return attempts;
}

bool AttemptSelection::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    auto *model = dynamic_cast<const AttemptModel *>(sourceModel());
    return model && accepts(model->row(sourceRow));
}

void AttemptSelection::changed()
{
    invalidateRowsFilter();
    emit selectionChanged();
}
