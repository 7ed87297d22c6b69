// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "paradox/Types.h"

#include <QList>
#include <QString>

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

}
