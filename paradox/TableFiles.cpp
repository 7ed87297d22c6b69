// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paradox/TableFiles.h"

#include "paradox/FileSnapshot.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"
#include "platform/core/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <tuple>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paradox {

namespace {

// Where a link (or a chain of links) finally points, even when nothing is there yet.
QString resolvedPath(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

bool writeAll(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, std::size_t(size), offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done == 0)
            errno = ENOSPC; // nothing written and no reason given: the only one a file has
        if (done <= 0)
            return false;
        data += done;
        size -= done;
        offset += done;
    }
    return true;
}

// The process dies as a kill would take it: nothing more is written, nothing cleaned up.
int killStep()
{
    static const int step = qEnvironmentVariableIntValue("TZ_KILL_AT_WRITE_STEP");
    return step;
}

}

TableFiles::TableFiles(const QString &dbPath)
    : m_tablePath(resolvedPath(dbPath))
{
    const QFileInfo table(m_tablePath);
    if (table.isDir())
        fail(m_tablePath, EISDIR);
    lockFolder(table.absolutePath());
    m_temporaryPath = m_tablePath + QStringLiteral(".tmp");
    if (::unlink(encoded(m_temporaryPath).constData()) != 0 && errno != ENOENT)
        fail(m_temporaryPath, errno);
    m_memoPath = Memo::findBeside(m_tablePath);
    if (m_memoPath.isEmpty())
        m_memoPath = table.absoluteDir().filePath(table.completeBaseName() + QStringLiteral(".mb"));
    else
        m_memoPath = resolvedPath(m_memoPath);
    m_previousTable = readIfThere(m_tablePath);
    m_previousMemo = readIfThere(m_memoPath);
    reachStep(1);
}

TableFiles::~TableFiles() = default;

void TableFiles::fail(const QString &path, int errorNumber) const
{
    throw TableError(QStringLiteral("Soubor %1 nelze zapsat: %2")
                         .arg(QDir::toNativeSeparators(path), SystemError::text(errorNumber)));
}

void TableFiles::failFolder(const QString &folder, int errorNumber) const
{
    throw TableError(QStringLiteral("Do složky %1 nelze zapisovat: %2")
                         .arg(QDir::toNativeSeparators(folder), SystemError::text(errorNumber)));
}

void TableFiles::lockFolder(const QString &folder)
{
    m_folder.reset(::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (m_folder.get() < 0)
        failFolder(folder, errno);
    if (::flock(m_folder.get(), LOCK_EX | LOCK_NB) == 0)
        return;
    const int reason = errno;
    if (reason == EWOULDBLOCK)
        throw TableError(QStringLiteral("Do složky %1 právě zapisuje banku jiné spuštění nástroje; "
                                        "zkuste to znovu, až skončí. Nic se nezapsalo.")
                             .arg(QDir::toNativeSeparators(folder)));
    failFolder(folder, reason);
}

std::optional<QByteArray> TableFiles::readIfThere(const QString &path) const
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return FileSnapshot::read(path, std::numeric_limits<qint64>::max(), QString()).bytes;
}

void TableFiles::syncFolder() const
{
    if (::fsync(m_folder.get()) != 0 && errno != EINVAL)
        failFolder(QFileInfo(m_tablePath).absolutePath(), errno);
}

void TableFiles::writeMemo(const QByteArray &image, const QList<std::pair<qint64, qint64>> &chunks)
{
    FileDescriptor fd(::open(encoded(m_memoPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        fail(m_memoPath, errno);
    bool written = true;
    for (const auto &[first, count] : chunks) {
        constexpr qint64 Chunk = 4096;
        written = written && writeAll(fd.get(), image.constData() + first * Chunk, count * Chunk, first * Chunk);
    }
    reachStep(2);
    written = written && ::fsync(fd.get()) == 0;
    const int reason = errno;
    fd.reset();
    if (!written)
        fail(m_memoPath, reason);
    if (!m_previousMemo)
        syncFolder();
    reachStep(3);
}

void TableFiles::replaceTable(const std::function<QByteArray()> &nextPart)
{
    struct stat old;
    const mode_t mode = ::stat(encoded(m_tablePath).constData(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    FileDescriptor fd(::open(encoded(m_temporaryPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (fd.get() < 0)
        fail(m_temporaryPath, errno);
    bool written = true;
    qint64 offset = 0;
    try {
        for (QByteArray part = nextPart(); written && !part.isEmpty(); part = nextPart()) {
            written = writeAll(fd.get(), part.constData(), part.size(), offset);
            offset += part.size();
        }
    } catch (...) {
        // A part that cannot be made (memory, a value) leaves no half table behind.
        fd.reset();
        ::unlink(encoded(m_temporaryPath).constData());
        throw;
    }
    written = written && ::fsync(fd.get()) == 0;
    const int reason = errno;
    fd.reset();
    if (!written) {
        ::unlink(encoded(m_temporaryPath).constData());
        fail(m_tablePath, reason);
    }
    reachStep(4);
    if (::rename(encoded(m_temporaryPath).constData(), encoded(m_tablePath).constData()) != 0) {
        const int renameReason = errno;
        ::unlink(encoded(m_temporaryPath).constData());
        fail(m_tablePath, renameReason);
    }
    syncFolder();
    reachStep(5);
}

void TableFiles::trimMemo(qint64 size)
{
    struct stat status;
    // Only tidiness: should the cut fail, a longer memo file reads the same and the next build
    // reuses the chunks past `size`.
    if (::stat(encoded(m_memoPath).constData(), &status) == 0 && status.st_size > size)
        std::ignore = ::truncate(encoded(m_memoPath).constData(), size);
    reachStep(6);
}

void TableFiles::reachStep(int step)
{
    if (killStep() == step)
        ::raise(SIGKILL);
}

}
