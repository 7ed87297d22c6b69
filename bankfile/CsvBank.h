// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"
#include "bankfile/Csv.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

// The questions of a CSV bank as spreadsheets save it, each with its own group (and number when
// the file has a Cis column): a header row naming the bank's fields in any order and letter
// case (Cis and Komentar may be left out; other columns are left unused with a warning),
// separated by a comma, a semicolon or a tab, or by what Excel's first line "sep=;" names;
// UTF-8 (content as readInput gives it), else Windows-1250. CspravOdp may be A, B, C in any
// case. Rows without a value are skipped. Every fault of the header and the cells is a finding
// (Blocks) at its spreadsheet row, the record keeping 0 for a number that does not read; raises
// ImportError only for text that is no CSV (quotes left open).
BankContent readCsvBank(const QByteArray &content, const QString &file);

// The records as a CSV bank that readCsvBank reads back: a header of the bank's fields, then
// one row per record, in UTF-8.
void writeCsvBank(QIODevice &device, const QList<BankRecord> &records, const CsvStyle &style = {});
