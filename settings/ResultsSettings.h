// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Test.ini's section Vysledky: whether attempts are recorded, where, and whether "Start testu"
// asks for a name.
struct ResultsSettings
{
    bool keep = true; // Ukladat
    QString folder; // Slozka; empty for the default
    bool askName = false; // Jmeno
    bool operator==(const ResultsSettings &) const = default;
};

namespace ResultsSettingsFile {

// Where the program in `programDirectory` keeps its Test.ini: the one file the program, the
// command line and the teacher's window all read the section from.
QString iniPath(const QString &programDirectory);

// The values of the Test.ini at `iniPath`; a missing file or key gives the default, any number
// but 0 counts as 1.
ResultsSettings read(const QString &iniPath);
// Stores the three keys, the folder of the file made first; other keys stay. Raises AppError
// when the file system refuses the write.
void write(const QString &iniPath, const ResultsSettings &values);

// The folder where attempts are recorded: `folder` itself when absolute, relative to the folder
// of Test.ini when relative, and for an empty one `vysledky/` in the folder that holds Test.ini
// by the program's rule (beside the program when its folder is writable, else the user's data
// folder). Ends with a separator.
QString resultsFolder(const ResultsSettings &values, const QString &iniPath, const QString &programDirectory);
// Whether that folder is the user's own data folder, so it is made for the user alone.
bool isPrivateFolder(const ResultsSettings &values, const QString &programDirectory);

}
