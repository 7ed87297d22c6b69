// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "paradox/FileDescriptor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace paradox {

// The files of one table (.db and .mb) while a writer replaces them, in an order that a kill at
// any moment leaves either the old table or the new one readable: the new memo values go into
// the memo file's free chunks or after its end and are synced first, then the table is written
// to a temporary file, synced and renamed over the old one. A link is followed: both files are
// written beside its target. While this object lives it holds a lock on the folder, so a second
// writer is refused; a temporary file a killed writer left is removed.
class TableFiles
{
public:
    // Raises TableError when the table's folder is locked by another writer, the path is a
    // folder, or the files there cannot be read.
    explicit TableFiles(const QString &dbPath);
    ~TableFiles();
    TableFiles(const TableFiles &) = delete;
    TableFiles &operator=(const TableFiles &) = delete;

    QString tablePath() const { return m_tablePath; }
    // The files as they were before anything was written; nothing when there was none.
    const std::optional<QByteArray> &previousTable() const { return m_previousTable; }
    const std::optional<QByteArray> &previousMemo() const { return m_previousMemo; }

    // Writes the chunks (first, count) of `image` into the memo file and syncs it.
    void writeMemo(const QByteArray &image, const QList<std::pair<qint64, qint64>> &chunks);
    // Replaces the table file whole with the parts nextPart gives one after the other until it
    // gives an empty one, so that a large table need not be held in one piece.
    void replaceTable(const std::function<QByteArray()> &nextPart);
    // Cuts the memo file to `size` bytes when it is longer: the chunks past it are free.
    void trimMemo(qint64 size);

    // For the tests of a kill between the steps: the process kills itself at the step that the
    // environment variable TZ_KILL_AT_WRITE_STEP names (1 after the old files are read, 2 after
    // the memo values are written, 3 after the memo file is synced, 4 after the new table is
    // synced, 5 after it replaced the old one, 6 after the memo file was cut, 7 at the end).
    static void reachStep(int step);

private:
    [[noreturn]] void fail(const QString &path, int errorNumber) const;
    [[noreturn]] void failFolder(const QString &folder, int errorNumber) const;
    void lockFolder(const QString &folder);
    std::optional<QByteArray> readIfThere(const QString &path) const;
    void syncFolder() const;

    QString m_tablePath;
    QString m_memoPath;
    QString m_temporaryPath;
    FileDescriptor m_folder;
    std::optional<QByteArray> m_previousTable;
    std::optional<QByteArray> m_previousMemo;
};

}
