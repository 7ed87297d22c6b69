// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"
#include "bankfile/GroupAssignment.h"
#include "bankfile/InputFile.h"
#include "bankfile/Progress.h"

#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

struct ImportOptions
{
    // Groups the user chose for categories or whole inputs (see assignGroups).
    QList<GroupChoice> groups;
    // Inputs larger than this are refused before more of them is read.
    qint64 sizeLimit = InputSizeLimit;
};

// The questions of the inputs, each in the format its content shows (CSV, Moodle XML, GIFT,
// Aiken), joined in order, each with its group, numbered: a single CSV input keeps its own Cis;
// otherwise questions are numbered 0, 1, … in order (with a NumberedInOrder warning when CSV
// numbers are dropped). findings holds the skipped questions and the readers' warnings (source
// Build). Raises ImportError naming file and line for an input that cannot be read at all or
// groups that do not fit, OperationCancelled when progress asks (steps: bytes of input).
BankContent importFiles(const QStringList &paths, const ImportOptions &options = {},
                        Progress &progress = noProgress());

// The same for one input read from device (open or not), called `name` in messages.
BankContent importInput(QIODevice &device, const QString &name, const ImportOptions &options = {},
                        Progress &progress = noProgress());
