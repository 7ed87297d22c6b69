// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/AddQuestionCommand.h"

#include "teacher/QuestionTableModel.h"

AddQuestionCommand::AddQuestionCommand(QuestionTableModel *model, int row, BankRecord record)
    : m_model(model), m_row(row), m_record(std::move(record))
{
    setText(QStringLiteral("přidání otázky Cis %1").arg(m_record.cis));
}

void AddQuestionCommand::undo()
{
    m_model->removeRecords(m_row, 1);
}

void AddQuestionCommand::redo()
{
    m_model->insertRecords(m_row, {m_record}, {RecordOrigin{}});
}
