// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"
#include "bank/BankTable.h"
#include "paradox/Types.h"

#include <QList>
#include <QString>

// Writes a question bank table (texts of any length) as the bank tool writes it, without a
// backup of a bank already there; in another layout when a test asks for one on purpose.
void writeBank(const QString &dbPath, const QList<BankRecord> &records,
               const QList<paradox::FieldDef> &fields = BankTable::fields());

// The bank's layout with Skupina and CspravOdp as Short fields, as other tools make them.
QList<paradox::FieldDef> shortNumberFields();

// g1 records of group 1, then g2 of group 2, g3 of group 3, then `others` of group 0,
// numbered 0..N-1 in that order; texts "Otázka n", "Odpověď A n", … "Komentář n";
// cspravOdp = n % 3.
QList<BankRecord> makeBankRecords(int g1, int g2, int g3, int others = 0);
