// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GroupAssignment.h"
#include "ImportedQuestion.h"

#include <QString>
#include <QStringList>
#include <functional>

// Reads a CSV bank file into records that carry their own groups.
using CsvQuestionReader = std::function<QList<ImportedQuestion>(const QString &path)>;

// One input in whichever format its content shows: Moodle XML, GIFT, Aiken, or CSV through
// readCsv. Raises ImportError naming file and line when it cannot be read.
ImportResult readQuestionFile(const QString &path, const CsvQuestionReader &readCsv = {});

// All inputs joined in order, each question with its group (see assignGroups); a question
// without a number of its own is numbered by its position in the list. Raises ImportError as
// the two above.
ImportResult importQuestions(const QStringList &paths, const QList<GroupChoice> &choices,
                             const CsvQuestionReader &readCsv = {});
