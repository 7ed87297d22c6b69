// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/ResultsSettings.h"

#include "platform/core/ProfileFile.h"
#include "platform/core/ProgramLocation.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFileInfo>

namespace ResultsSettingsFile {

namespace {
const QString DefaultFolderName = QStringLiteral("vysledky");

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
}

QString iniPath(const QString &programDirectory)
{
    return ProgramLocation::dataDirectory(programDirectory) + QStringLiteral("Test.ini");
}

ResultsSettings read(const QString &iniPath)
{
    const ProfileFile file(iniPath);
    return {SettingsTable::KeepResults.read(file) != 0, SettingsTable::ResultsFolder.read(file),
            SettingsTable::AskName.read(file) != 0};
}

void write(const QString &iniPath, const ResultsSettings &values)
{
    ProfileFile file(iniPath);
    QDir().mkpath(QFileInfo(iniPath).absolutePath());
    SettingsTable::KeepResults.write(file, values.keep ? 1 : 0);
    SettingsTable::ResultsFolder.write(file, values.folder);
    SettingsTable::AskName.write(file, values.askName ? 1 : 0);
}

QString resultsFolder(const ResultsSettings &values, const QString &iniPath, const QString &programDirectory)
{
    const QString folder = values.folder.trimmed();
    if (folder.isEmpty())
        return ProgramLocation::dataDirectory(programDirectory) + DefaultFolderName + u'/';
    const QString absolute = QDir::isAbsolutePath(folder) ? folder
                                                          : QFileInfo(iniPath).absoluteDir().filePath(folder);
    return withSeparator(QDir::cleanPath(absolute));
}

bool isPrivateFolder(const ResultsSettings &values, const QString &programDirectory)
{
    return values.folder.trimmed().isEmpty()
        && ProgramLocation::dataDirectory(programDirectory) == ProgramLocation::userDataDirectory();
}

}
