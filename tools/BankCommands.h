// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToolCommand.h"

// The bank commands: each reads its arguments, calls the bank-file library and prints what it
// returns. They raise the library's AppError and ImportError for main to print.
std::optional<int> runBuild(const QStringList &arguments);
std::optional<int> runExport(const QStringList &arguments);
std::optional<int> runDump(const QStringList &arguments);
std::optional<int> runCheck(const QStringList &arguments);
