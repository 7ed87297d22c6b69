// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/RecordReader.h"
#include "results/Statistics.h"

#include <QByteArray>
#include <QString>

namespace results {

// The plain Czech text of the attempts, the questions and the persons, for a terminal.
QString reportText(const ResultsSummary &summary);
// The files and folders passed over, one a line, with the count in the right plural.
QString skippedText(const RecordSet &set);

enum class CsvSeparator { Semicolon, Comma };

// The same tables for a spreadsheet: UTF-8 with a BOM, CRLF; with ';' numbers carry a decimal
// comma (as a Czech spreadsheet reads them), with ',' a decimal point. Three blocks, each a
// title row, a header row and its rows, separated by an empty row: attempts, questions, persons.
QByteArray resultsCsv(const ResultsSummary &summary, CsvSeparator separator = CsvSeparator::Semicolon);

// The Czech form for a count: `one` for 1, `few` for 2 to 4, `many` otherwise.
QString pluralForm(int count, const QString &one, const QString &few, const QString &many);
// "1 pokus", "2 pokusy", "5 pokusů": the count and the noun's form for it.
QString counted(int count, const QString &one, const QString &few, const QString &many);

}
