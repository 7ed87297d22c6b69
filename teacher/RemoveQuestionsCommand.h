// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/Finding.h"
#include "bankfile/RecordOrigin.h"
#include "bank/BankRecord.h"

#include <QList>
#include <QUndoCommand>

class QuestionTableModel;

// Questions deleted, wherever they stand; undo puts each back at its row with its origin.
class RemoveQuestionsCommand : public QUndoCommand
{
public:
    RemoveQuestionsCommand(QuestionTableModel *model, QList<int> rows);

    void undo() override;
    void redo() override;

private:
    QuestionTableModel *m_model;
    // Runs of neighbouring rows, ascending: a long selection is one change of the list.
    struct Run
    {
        int row;
        QList<BankRecord> records;
        QList<RecordOrigin> origins;
        QList<Finding> readFindings;
    };
    QList<Run> m_runs;
};
