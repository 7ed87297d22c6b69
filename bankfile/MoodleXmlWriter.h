// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "bankfile/GroupAssignment.h"
#include "bankfile/Progress.h"

#include <QIODevice>
#include <QList>

// Writes the records to device as a Moodle XML file in UTF-8: a category entry wherever the
// category changes (moodleCategory), each record a single-answer multiple choice of plain texts
// named by moodleName, answers unshuffled and numbered a, b, c, the correct one at 100 %. Texts
// go in CDATA sections, where Moodle's parser keeps every space. The texts must hold no character
// XML forbids.
void writeMoodleXml(QIODevice &device, const QList<BankRecord> &records, const QList<GroupChoice> &groupNames,
                    Progress &progress);
