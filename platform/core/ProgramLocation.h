// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the program's files live. The program's own folder holds the bundled test.db and the
// help page. Test.ini and a bank of the user's own live beside them when the user may write
// that folder, otherwise in the user's data folder, so an installation that only an
// administrator may change still serves every user. Paths end with a separator.
class ProgramLocation
{
public:
    // The folder of the running executable. Tests point it at a folder of their own.
    static QString directory();
    static void setDirectoryForTests(const QString &directory);

    // The folder of Test.ini and of the user's own bank for a program in `programDirectory`.
    static QString dataDirectory(const QString &programDirectory);
    // The bank the program reads: the data folder's test.db when there is one, else the
    // program folder's.
    static QString bankPath(const QString &programDirectory);
    // Where a new bank of the user's goes: the data folder's test.db.
    static QString userBankPath(const QString &programDirectory);
    // Creates the data folder before its first file is written; false when it cannot.
    static bool createDataDirectory(const QString &programDirectory);

    // The user's data folder used when the program's folder is not the user's to write.
    static QString userDataDirectory();
};
