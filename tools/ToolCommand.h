// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// Incomplete: no test can be drawn from the bank, a value of the table could not be read, or no
// question could be imported.
enum ExitCode { Success = 0, Incomplete = 1, Failure = 2 };

// A command of the tool: takes the arguments after its name and returns the exit code, or
// nothing when the arguments make no such command (the usage is printed then).
using Command = std::optional<int> (*)(const QStringList &arguments);

// The text in UTF-8, as it is.
void print(FILE *stream, const QString &text);
