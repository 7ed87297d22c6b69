// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "bankfile/Finding.h"
#include "bankfile/RecordOrigin.h"

#include <QList>
#include <QString>

// Questions as a read gave them: a bank's records in table order, or the questions imported
// from inputs in order. What a window shows and edits, what check, export and write take.
struct BankContent
{
    QString source; // the table's path for a bank read from it; empty for imported content
    QList<BankRecord> records;
    // One per record for imported content, in the same order; empty for a bank read from its
    // table (the records' places are their positions).
    QList<RecordOrigin> origins;
    // What the read found: for a table the fields it lacks (its records are then all empty) and
    // the records whose values do not read (left empty in records); for inputs the questions
    // skipped and the warnings of the readers.
    QList<Finding> findings;

    // By position, whether a record's values did not all read (an UnreadableValue about it);
    // every record when a field is missing.
    QList<bool> unreadableRecords() const;

    // A finding about the 0-based record (-1 for none), placed by its origin and its Cis.
    Finding findingAbout(FindingSource source, FindingKind kind, int record) const;
};
