// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace results {

// How a missing results folder is made. The default folder is made with its parents: beside the
// program its rights follow the umask and the group of where it is made, in the user's data
// folder it is the user's alone. A configured folder is made only inside a folder that is there,
// so a network share that has gone is reported, not stood in for by a local folder nobody reads.
enum class FolderKind { Default, Private, Configured };

// Writes `bytes` as the file `path` whole: a temporary file beside it, synced, renamed over it,
// the folder synced. A reader never meets half a file under the final name. The file's rights
// follow the umask and the folder. Returns the reason (in Czech) when it could not.
std::optional<QString> writeFileWhole(const QString &path, const QByteArray &bytes);

// The record's file name: its id and ".json".
QString recordFileName(const AttemptRecord &record);

// Makes the folder when missing and writes the record into it whole. Returns the reason (in
// Czech) when it could not.
std::optional<QString> writeRecord(const QString &folder, const AttemptRecord &record,
                                   FolderKind kind = FolderKind::Default);

}
