// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/core/ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {
QString &replacement()
{
    static QString directory;
    return directory;
}

QString withSeparator(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

// Asks the file system itself with an unnamed file that never shows in the folder, so rights,
// access lists and a read-only mount all count as a real write would meet them.
bool mayWrite(const QString &directory)
{
    const int fd = open(QFile::encodeName(directory).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        close(fd);
        return true;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR)
        return false;
    QTemporaryFile probe(directory + QStringLiteral("/.test-znalosti-XXXXXX"));
    return probe.open();
}

const QString BankFileName = QStringLiteral("test.db");
}

QString ProgramLocation::directory()
{
    if (!replacement().isEmpty())
        return withSeparator(replacement());
    return withSeparator(QCoreApplication::applicationDirPath());
}

void ProgramLocation::setDirectoryForTests(const QString &directory)
{
    replacement() = directory;
}

QString ProgramLocation::userDataDirectory()
{
    // A relative value would depend on the current folder, so the program and the bank tool
    // could disagree: the base-directory rules say to ignore it.
    const QString configured = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    const QString base = QDir::isAbsolutePath(configured) ? configured
                                                          : QDir::homePath() + QStringLiteral("/.local/share");
    // A fixed name rather than the application's, so the program and the bank tool agree.
    return withSeparator(QDir::cleanPath(base) + QStringLiteral("/test-znalosti"));
}

QString ProgramLocation::dataDirectory(const QString &programDirectory)
{
    return mayWrite(programDirectory) ? withSeparator(programDirectory) : userDataDirectory();
}

QString ProgramLocation::userBankPath(const QString &programDirectory)
{
    return dataDirectory(programDirectory) + BankFileName;
}

QString ProgramLocation::bankPath(const QString &programDirectory)
{
    const QString own = userBankPath(programDirectory);
    return QFileInfo::exists(own) ? own : withSeparator(programDirectory) + BankFileName;
}

bool ProgramLocation::createDataDirectory(const QString &programDirectory)
{
    return QDir().mkpath(dataDirectory(programDirectory));
}
