// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

class QCommandLineParser;

// Incomplete: no test can be drawn from the bank, a value of the table could not be read, or no
// question could be imported.
enum ExitCode { Success = 0, Incomplete = 1, Failure = 2 };

// A command of the tool: takes the arguments after its name and returns the exit code, or
// nothing when the arguments make no such command (main then says so and where the usage is).
using Command = std::optional<int> (*)(const QStringList &arguments);

// A command line that asks for nothing the tool does, in one Czech line without a line end:
// main prints it, then where the usage is, and ends with Failure.
struct UsageError
{
    QString message;
};

// The text in UTF-8, as it is.
void print(FILE *stream, const QString &text);

// Parses the arguments after the command's name with the parser's options; raises UsageError
// naming an unknown option or one without its value.
void parseArguments(QCommandLineParser &parser, const QString &command, const QStringList &arguments);
