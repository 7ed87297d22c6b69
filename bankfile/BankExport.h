// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"
#include "bankfile/GroupAssignment.h"
#include "bankfile/Progress.h"

#include <QIODevice>
#include <QList>
#include <QString>

enum class ExportFormat { MoodleXml, Gift, Csv };

struct ExportOptions
{
    ExportFormat format = ExportFormat::MoodleXml;
    // Names for groups: group N is the category "Skupina N" unless a choice names it.
    QList<GroupChoice> groupNames;
};

struct ExportResult
{
    int exported = 0; // records written
    // Source Export: the records left out (a Moodle format takes no empty question or answer,
    // no CspravOdp outside 0..2, no control character, no unreadable value) and the warnings of
    // texts Moodle changes (leading or trailing space; in GIFT its placeholders).
    QList<Finding> findings;
};

// Writes the content's records to device (open for writing): Moodle XML or GIFT for Moodle's
// import, each record a single-answer question of three answers in order, or CSV as `build`
// reads it (every record then, nothing left out). Raises OperationCancelled when progress asks
// (steps: records).
ExportResult exportBank(const BankContent &content, const ExportOptions &options, QIODevice &device,
                        Progress &progress = noProgress());

// The same into the file at path, replaced whole or not at all; nothing is written when no
// record can go. Raises AppError when the content lacks a field of the bank or the file cannot
// be written, OperationCancelled when progress asks.
ExportResult exportBankFile(const BankContent &content, const ExportOptions &options, const QString &path,
                            Progress &progress = noProgress());

// The format a file name's extension names: .xml Moodle XML, .gift or .txt GIFT, .csv CSV.
std::optional<ExportFormat> exportFormatOf(const QString &nameOrExtension);
