// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "paradox/Types.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace paradox { class Table; }

// The question bank's table: the fields the program reads by name, and the layout the bank
// tool writes (the test helpers write the same one).
namespace BankTable {

inline const QString Cis = QStringLiteral("Cis");
inline const QString Skupina = QStringLiteral("Skupina");
inline const QString Dotaz = QStringLiteral("Dotaz");
inline const QString Odp1 = QStringLiteral("Odp1");
inline const QString Odp2 = QStringLiteral("Odp2");
inline const QString Odp3 = QStringLiteral("Odp3");
inline const QString Komentar = QStringLiteral("Komentar");
inline const QString CspravOdp = QStringLiteral("CspravOdp");

// Bytes of a memo text kept inside the record; longer texts go to the .mb file.
constexpr int MemoInlineSize = 60;

// Every field in table order. The numbers are Long, so any 32-bit value the program reads
// fits; banks made elsewhere may use Short, which reads the same.
QList<paradox::FieldDef> fields();

// The field names in table order.
QList<QString> fieldNames();

// The bank's fields the open table lacks, in table order; names match in any letter case.
QStringList missingFields(const paradox::Table &table);

// The record at the table's current position, its fields read in the order Cis, Skupina,
// CspravOdp, Dotaz, Odp1, Odp2, Odp3, Komentar. Raises TableError or ConvertError for the first
// value that does not read.
BankRecord readRecord(const paradox::Table &table);

// The record's values in the order of fields().
QList<paradox::Value> values(const BankRecord &record);

}
