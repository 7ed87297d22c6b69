// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"

#include <QUndoCommand>

class QuestionTableModel;

// A new question inserted at a row.
class AddQuestionCommand : public QUndoCommand
{
public:
    AddQuestionCommand(QuestionTableModel *model, int row, BankRecord record);

    void undo() override;
    void redo() override;

private:
    QuestionTableModel *m_model;
    int m_row;
    BankRecord m_record;
};
