// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExportArguments.h"
#include "ExportedQuestion.h"
#include "tools/import/GroupAssignment.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace paradox { class Table; }

// The bank's records as Moodle questions, in table order, and the records Moodle could not
// take with the reason for each.
struct ExportedBank
{
    QList<ExportedQuestion> questions;
    QStringList leftOut;
};

// Each record of the open bank table as a question in the category "Skupina N" of its group, or
// the name a choice gives the group. A record with an empty question or answer, CspravOdp
// outside 0..2, a character XML cannot carry or a value that cannot be read is left out.
// Raises AppError when the table lacks a field of the bank.
ExportedBank exportedQuestions(paradox::Table &table, const QList<GroupChoice> &groupNames);

// What `export` tells the user, as BuildReport for `build`.
struct ExportReport
{
    bool written = false;
    QString out;
    QString err;
};

// `export`: the bank written for Moodle, nothing when no record can go. Raises AppError when
// the bank cannot be read or the output cannot be written, ImportError for a bad group name.
ExportReport exportBank(const ExportArguments &arguments);
