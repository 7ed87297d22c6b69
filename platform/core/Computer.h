// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Who sits at which computer, as the system names them. Tests set both, so no record depends
// on the machine that runs them.
class Computer
{
public:
    static QString hostName();
    // The login name of the user running the program.
    static QString loginName();

    // Empty texts restore the system's answers.
    static void setNamesForTests(const QString &hostName, const QString &loginName);
};
