// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/RecordWriter.h"

#include "platform/core/SystemError.h"
#include "results/RecordJson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// A hidden name of its own beside the target, made with O_EXCL, so no two writers ever share
// it and readers pass it over. 0666 lets the umask and the folder decide the rights.
int createTemporary(const QString &path, QByteArray &temporaryName)
{
    const QFileInfo target(path);
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporaryName = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                                          + QStringLiteral(".%1.tmp").arg(QRandomGenerator::system()->generate(), 8, 16,
                                                                         QLatin1Char('0')));
        const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The rename is on disk only once the folder is synced; a file system that cannot sync a
// folder (EINVAL) has made it durable already.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<QString> makeFolder(const QString &folder, FolderKind kind)
{
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    const QString parent = QFileInfo(QDir::cleanPath(folder)).absolutePath();
    if (kind != FolderKind::Configured)
        QDir().mkpath(parent);
    else if (!QFileInfo::exists(parent))
        return QStringLiteral("složka %1 neexistuje").arg(QDir::toNativeSeparators(parent));
    const mode_t mode = kind == FolderKind::Private ? 0700 : 0777;
    if (::mkdir(QFile::encodeName(folder).constData(), mode) != 0 && errno != EEXIST)
        return SystemError::text(errno);
    return std::nullopt;
}

}

std::optional<QString> writeFileWhole(const QString &path, const QByteArray &bytes)
{
    QByteArray temporaryName;
    const int fd = createTemporary(path, temporaryName);
    if (fd < 0)
        return SystemError::text(errno);
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporaryName.constData());
        return SystemError::text(error);
    }
    syncFolder(QFileInfo(path).absolutePath());
    return std::nullopt;
}

QString recordFileName(const AttemptRecord &record)
{
    return record.id + QStringLiteral(".json");
}

std::optional<QString> writeRecord(const QString &folder, const AttemptRecord &record, FolderKind kind)
{
    if (const std::optional<QString> failure = makeFolder(folder, kind))
        return failure;
    return writeFileWhole(QDir(folder).filePath(recordFileName(record)), toJson(record));
}

}
