// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/RemoveQuestionsCommand.h"

#include "teacher/QuestionTableModel.h"

#include <algorithm>

RemoveQuestionsCommand::RemoveQuestionsCommand(QuestionTableModel *model, QList<int> rows)
    : m_model(model)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const BankContent &content = model->content();
    for (int row : std::as_const(rows)) {
        if (m_runs.isEmpty() || m_runs.last().row + m_runs.last().records.size() != row)
            m_runs.append({row, {}, {}, {}});
        m_runs.last().records.append(content.records.at(row));
        m_runs.last().origins.append(content.origins.value(row));
    }
    setText(rows.size() == 1 ? QStringLiteral("smazání otázky Cis %1").arg(m_runs.first().records.first().cis)
                             : QStringLiteral("smazání %1 otázek").arg(rows.size()));
}

void RemoveQuestionsCommand::undo()
{
    for (const Run &run : std::as_const(m_runs))
        m_model->insertRecords(run.row, run.records, run.origins, run.readFindings);
}

void RemoveQuestionsCommand::redo()
{
    // From the last, so the rows before keep their places.
    for (auto run = m_runs.rbegin(); run != m_runs.rend(); ++run)
        run->readFindings = m_model->removeRecords(run->row, static_cast<int>(run->records.size()));
}
