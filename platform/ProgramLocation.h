#pragma once

#include <QString>

// The directory of the running executable, where test.db and Test.ini live. Tests point it
// at a directory of their own.
class ProgramLocation
{
public:
    // With a trailing separator.
    static QString Directory();
    static void SetDirectoryForTests(const QString &directory);
};
