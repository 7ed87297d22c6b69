// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace paradox {

// What tells one version of a file from another: a rename, a rewrite in place or a cut all
// change at least one of these.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;
    qint64 changedSeconds = 0;
    qint64 changedNanoseconds = 0;

    bool operator==(const FileIdentity &) const = default;
};

// A file's bytes as they were at one moment, held in memory, so that whatever another program
// does to the file later cannot reach a reader of them.
struct FileSnapshot
{
    QByteArray bytes;
    FileIdentity identity;

    // Reads the whole regular file with as few system calls as its size allows, into memory that
    // is not cleared first. Raises TableError with the reason in Czech; a file over `maxSize`
    // bytes is refused with `tooLarge` as the reason.
    static FileSnapshot read(const QString &path, qint64 maxSize, const QString &tooLarge);
    // The identity of the file now at `path`; nothing when there is none.
    static std::optional<FileIdentity> identityOf(const QString &path);
};

}
