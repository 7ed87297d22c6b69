// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/FileSnapshot.h"

#include "paradox/FileDescriptor.h"

#include "paradox/Table.h"
#include "platform/core/SystemError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paradox {

namespace {

FileIdentity identityFrom(const struct stat &status)
{
    return {quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec),
            qint64(status.st_ctim.tv_sec), qint64(status.st_ctim.tv_nsec)};
}

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw TableError(QStringLiteral("Soubor %1 nelze otevřít: %2").arg(QDir::toNativeSeparators(path), reason));
}


}

FileSnapshot FileSnapshot::read(const QString &path, qint64 maxSize, const QString &tooLarge)
{
    const FileDescriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        fail(path, SystemError::text(errno));
    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        fail(path, SystemError::text(errno));
    if (S_ISDIR(status.st_mode))
        fail(path, SystemError::text(EISDIR));
    // A pipe or a device would be read for ever.
    if (!S_ISREG(status.st_mode))
        fail(path, QStringLiteral("není to obyčejný soubor"));
    if (status.st_size > maxSize)
        fail(path, tooLarge);
    FileSnapshot snapshot;
    snapshot.identity = identityFrom(status);
    snapshot.bytes = QByteArray(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < snapshot.bytes.size()) {
        const ssize_t got = ::read(file.get(), snapshot.bytes.data() + done, size_t(snapshot.bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(path, SystemError::text(errno));
        if (got == 0)
            break; // cut meanwhile: the caller sees the identity change
        done += got;
    }
    snapshot.bytes.truncate(done);
    return snapshot;
}

std::optional<FileIdentity> FileSnapshot::identityOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

}
