// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/GroupQuotas.h"
#include "bankfile/BankContent.h"

#include <QList>
#include <array>

// What the program makes of a bank: the figures of its draw and what stands in its way.
struct BankCheck
{
    int recordCount = 0;
    // false when a field is missing or a value does not read: the figures below are then not
    // worked out, and no test can be drawn.
    bool complete = false;
    std::array<qint32, 4> groupCount{}; // records of each group 1..3
    qint32 outsideGroups = 0;           // records of no group 1..3, never drawn
    GroupQuotas quotas;                 // as the program computes them; questionCount may be below 0
    bool testCanBeDrawn = false;
    // Source Check, in the order the report names them: MissingField, UnreadableValue,
    // TooFewRecords, UnreachableRecord, NumberLeadsToLast, QuotaShortfall, AnswerOutOfRange,
    // EmptyText (one per field).
    QList<Finding> findings;
};

// The check of a bank as read (readBank) or as edited. Prints nothing; see checkReportText.
BankCheck checkBank(const BankContent &content);

// Values the bank stores but the program cannot use as meant, as `build` warns of them (source
// Build), in record order: a CspravOdp outside 0..2, a Skupina outside 1..3, a Cis that an earlier
// record already has. Places come from the content's origins when it has them.
QList<Finding> valueWarnings(const BankContent &content);
