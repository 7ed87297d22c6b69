// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "bankfile/GroupAssignment.h"
#include "bankfile/Progress.h"

#include <QIODevice>
#include <QList>

// Writes the records to device as a GIFT file in UTF-8: a $CATEGORY line wherever the category
// changes (moodleCategory), each record a block of plain text named by moodleName with its three
// answers in order, the correct one "=", the others "~", the comment as general feedback.
void writeGift(QIODevice &device, const QList<BankRecord> &records, const QList<GroupChoice> &groupNames,
               Progress &progress);
