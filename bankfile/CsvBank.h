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
// the file has a Cis column): a header line naming the bank's fields in any order and letter
// case (Cis may be left out), separated by a comma, a semicolon or a tab; UTF-8 (content as
// readInput gives it), else Windows-1250. Raises ImportError naming the file, the line and the
// field of the first fault.
BankContent readCsvBank(const QByteArray &content, const QString &file);

// The records as a CSV bank that readCsvBank reads back: a header of the bank's fields, then
// one row per record, in UTF-8.
void writeCsvBank(QIODevice &device, const QList<BankRecord> &records, const CsvStyle &style = {});
