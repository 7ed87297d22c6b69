// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What `build` was asked for.
struct BuildArguments
{
    QStringList inputs;
    QStringList groupChoices; // "NAME=GROUP", as given
    QString output;           // empty: where the program reads its bank
};

// The arguments after `build`: `--skupina NAME=GROUP` (repeatable), one or more inputs, and a
// last argument ending in .db as the output when inputs come before it. Raises UsageError when
// they make no build: no input, an unknown option, or a last argument that is neither a file
// nor a name ending in .db (a target without .db).
BuildArguments parseBuildArguments(const QStringList &arguments);
