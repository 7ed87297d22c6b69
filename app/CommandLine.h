// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <optional>

// The program takes no options of its own; it answers only the usual questions of a command
// line, before any window or display is needed. Qt's own options pass through untouched.
// The text to print before exiting with success for --help, -h or --version; nothing when the
// program should start.
std::optional<QString> answerCommandLine(const QStringList &arguments);
