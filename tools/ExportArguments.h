// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankExport.h"

#include <QString>
#include <QStringList>
#include <optional>

// What `export` was asked for.
struct ExportArguments
{
    QString bank;
    QString output;
    ExportFormat format = ExportFormat::MoodleXml;
    QStringList groupNames; // "NAME=GROUP", as given
};

// The arguments after `export`: `--format xml|gift`, `--skupina NAME=GROUP` (repeatable), the
// bank and the output file, whose extension (.xml; .gift or .txt) gives the format when the
// option does not. Empty when they do not make an export to Moodle.
std::optional<ExportArguments> parseExportArguments(const QStringList &arguments);
