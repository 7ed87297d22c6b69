// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// `test-znalosti-banka vysledky`: what it prints and how it ends. Exit codes: 0 attempts found,
// 1 none, 2 wrong use or an unreadable folder or file.
struct ResultsCommandOutput
{
    int exitCode = 0;
    QString out;
    QString err;
};

// The arguments after the command's name. Without folders it reads the results folder that
// Test.ini sets for the program in `programDirectory`.
ResultsCommandOutput resultsCommand(const QStringList &arguments, const QString &programDirectory);

// Runs it for the program beside the tool, prints its texts and returns its exit code.
std::optional<int> runResultsCommand(const QStringList &arguments);
