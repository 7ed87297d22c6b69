// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuestionRecord.h"
#include "tools/import/GroupAssignment.h"
#include "tools/import/ImportedQuestion.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace paradox {
class TableFiles;
}

// The questions as records of the bank table, in order; a question without a number of its own
// is numbered by its place in the list.
QList<QuestionRecord> bankRecords(const QList<ImportedQuestion> &questions);

// Raises AppError for the first text the bank's code page 1250 cannot store, naming its file,
// line, question and field, the character and its position in the text.
void checkCodePage(const QList<QuestionRecord> &records);

// Writes the questions as a bank table at dbPath (and its memo file beside it), so that a
// failure or a kill leaves the old bank or the new one; `afterReplacing` runs once the new bank
// is in place. Raises AppError when a file cannot be written.
void writeBankTable(const QList<QuestionRecord> &records, const QString &dbPath,
                    const std::function<void(const paradox::TableFiles &)> &afterReplacing = {});

// What `build` tells the user: the outcome on out, warnings and skipped questions on err.
struct BuildReport
{
    bool written = false;
    QString out;
    QString err;
};

// `build`: the bank from the inputs, CSV or Moodle exports, after every check has passed; an
// empty dbPath stands for where the program installed beside this tool reads it. A single
// CSV input keeps its own Cis; questions of several inputs are numbered in order. Nothing is
// written when no question can be imported. Values the program cannot use as meant are warned
// of. A bank already at dbPath (or its memo file alone) is kept beside it as a backup once the
// new bank is in place. Raises AppError or ImportError when an input cannot be read or a text
// cannot be stored.
BuildReport importBank(const QStringList &inputs, const QList<GroupChoice> &choices, const QString &dbPath);
