// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace results {

// A file or folder that gave no record, and why (in Czech).
struct SkippedFile
{
    QString path;
    QString reason;
};

struct RecordSet
{
    QList<AttemptRecord> attempts; // each attempt once, ordered by start
    QList<SkippedFile> skipped; // damaged or foreign files
    QList<SkippedFile> unreadableFolders; // missing or unreadable folders given
    int duplicates = 0; // further copies of an attempt already counted
};

// Reads every record in the folders and their subfolders. Hidden files (a write in progress)
// are passed over; anything else that is no record is listed in `skipped`. Copies of one
// attempt count once: the evaluated one, else the one with more answers.
RecordSet readRecords(const QStringList &folders);

// The attempts with one copy of each id, ordered by start; `duplicates` counts the dropped.
QList<AttemptRecord> withoutDuplicates(QList<AttemptRecord> attempts, int *duplicates = nullptr);

}
