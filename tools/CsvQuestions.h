// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/import/ImportedQuestion.h"

#include <QList>
#include <QString>

// The questions of a CSV file as spreadsheets save it, each with its own group (and number when
// the file has a Cis column): a header line naming the bank's fields
// in any order and letter case (Cis may be left out), separated by a comma, a semicolon or a
// tab; UTF-8 with or without a byte-order mark, else Windows-1250; LF or CRLF line ends.
// Raises AppError naming the file, the line and the field of the first fault.
QList<ImportedQuestion> readCsvQuestions(const QString &path);
