// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace results {

// A folder made for the user alone (the default folder in the user's data folder) or one that
// follows the rights of where it is made (umask, the group of a shared folder).
enum class FolderPrivacy { Shared, Private };

// Writes `bytes` as the file `path` whole: a temporary file beside it, synced, renamed over it,
// the folder synced. A reader never meets half a file under the final name. The file's rights
// follow the umask and the folder. Returns the reason (in Czech) when it could not.
std::optional<QString> writeFileWhole(const QString &path, const QByteArray &bytes);

// The record's file name: its id and ".json".
QString recordFileName(const AttemptRecord &record);

// Makes the folder when missing and writes the record into it whole. Returns the reason (in
// Czech) when it could not.
std::optional<QString> writeRecord(const QString &folder, const AttemptRecord &record,
                                   FolderPrivacy privacy = FolderPrivacy::Shared);

}
