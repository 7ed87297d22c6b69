// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// The operation that made a finding; the same kind reads differently in each (FindingText).
enum class FindingSource { Build, Check, Export, Dump };

// What a finding is about. values holds the figures and texts the words need, as listed.
enum class FindingKind {
    // Build: the inputs
    SkippedQuestion,     // {reason}: the question is not a single choice of three answers
    DroppedImage,        // an embedded image or file left out of the question's texts
    NumberedInOrder,     // several inputs: their Cis numbers are replaced by the order
    UnstorableCharacter, // {character, code point as hex, 1-based position}: not in code page 1250
    RepeatedNumber,      // {cis, line of the first record with it[, "drawn"]}: "drawn" when the record is
                         // drawn all the same, being the last and drawn for numbers no record has
    // Build: a CSV file's columns and cells, each found in one run
    UnknownColumns,      // {names}: columns of no bank field, left unused
    MissingColumns,      // {names}: bank fields the header lacks (Cis and Komentar may be left out)
    DuplicateColumn,     // field: named twice in the header
    NotANumber,          // field, {value}: a Cis or Skupina that is no whole number
    NotAnAnswer,         // field CspravOdp, {value}: names no answer (A, B, C or a number)
    WrongCellCount,      // {cells, cells of the header, separator}
    // Build, Check and Export: a record's values
    AnswerOutOfRange,    // {CspravOdp}
    GroupOutOfRange,     // {Skupina}
    EmptyText,           // field: a question or answer text that shows as nothing
    UnreadableValue,     // {the engine's message}; Dump: field is the table's field
    // Check: the bank as the draw sees it
    MissingField,        // field: the table lacks it
    TooFewRecords,       // fewer than 6 records: no test has a question
    UnreachableRecord,   // {record count}: no draw number leads to the record
    NumberLeadsToLast,   // {numbers}: no record has them, so each draws the last record
    QuotaShortfall,      // {group, needed, available}: the draw cannot fill the group's quota
    // Export: what Moodle's import cannot take or changes
    ControlCharacter,    // field: a control character XML cannot carry
    SurroundingSpace,    // field: begins or ends with spaces, tabs or empty lines, which Moodle trims
    MoodlePlaceholder,   // field, {placeholder}: GIFT text Moodle would turn into a character
};

// One thing an operation found, as data: a window marks the row (record) and column (field) and
// shows findingText() beside it; the command line prints findingLine().
struct Finding
{
    FindingSource source = FindingSource::Check;
    FindingKind kind = FindingKind::UnreadableValue;
    // Where: an input's file and line (imports) and the question's name there, ...
    QString file;
    int line = 0;
    QString question;
    // ... and the record: its 0-based position in the bank or the imported list (-1: none, as
    // for a skipped question) and its Cis when that could be read.
    int record = -1;
    std::optional<qint32> cis;
    QString field; // a field of the bank (BankTable's names); empty for the whole record
    QStringList values;
};

// A finding of `build` about a place in an input.
inline Finding inputFinding(FindingKind kind, const QString &file, int line, const QString &question = QString())
{
    Finding finding;
    finding.source = FindingSource::Build;
    finding.kind = kind;
    finding.file = file;
    finding.line = line;
    finding.question = question;
    return finding;
}
