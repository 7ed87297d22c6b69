// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUndoCommand>
#include <QVariant>

class QuestionTableModel;

// One cell of one question changed.
class EditQuestionCommand : public QUndoCommand
{
public:
    EditQuestionCommand(QuestionTableModel *model, int row, int column, QVariant before, QVariant after);

    void undo() override;
    void redo() override;

private:
    QuestionTableModel *m_model;
    int m_row;
    int m_column;
    QVariant m_before;
    QVariant m_after;
};
