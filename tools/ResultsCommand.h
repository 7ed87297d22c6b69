// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// `test-znalosti-banka vysledky`: the usage lines it adds to the tool's help.
extern const char ResultsUsage[];

// Runs `vysledky` with the arguments after the command's name; prints the report or writes the
// CSV and returns the exit code: 0 attempts found, 1 none, 2 wrong use or an unreadable folder
// or file. `programDirectory` is where the default results folder is looked for.
int runResultsCommand(const QStringList &arguments, const QString &programDirectory);
