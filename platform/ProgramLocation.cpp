#include "platform/ProgramLocation.h"

#include <QCoreApplication>
#include <QDir>

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
}

QString ProgramLocation::Directory()
{
    if (!replacement().isEmpty())
        return withSeparator(replacement());
    return withSeparator(QCoreApplication::applicationDirPath());
}

void ProgramLocation::SetDirectoryForTests(const QString &directory)
{
    replacement() = directory;
}
