// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/EditQuestionCommand.h"

#include "teacher/QuestionTableModel.h"

EditQuestionCommand::EditQuestionCommand(QuestionTableModel *model, int row, int column, QVariant before,
                                         QVariant after)
    : m_model(model), m_row(row), m_column(column), m_before(std::move(before)), m_after(std::move(after))
{
    setText(QStringLiteral("úprava pole %1 otázky Cis %2")
                .arg(QuestionTableModel::fieldOf(column))
                .arg(model->record(row).cis));
}

void EditQuestionCommand::undo()
{
    m_model->setValue(m_row, m_column, m_before);
}

void EditQuestionCommand::redo()
{
    m_model->setValue(m_row, m_column, m_after);
}
