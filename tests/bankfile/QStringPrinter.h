// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"

#include <QString>
#include <ostream>

// Readable texts in the failure messages of the import tests.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A bank record as its fields, in table order.
inline void PrintTo(const BankRecord &record, std::ostream *out)
{
    *out << record.cis << '|' << record.skupina << '|' << record.dotaz.toStdString() << '|' << record.odp1.toStdString()
         << '|' << record.odp2.toStdString() << '|' << record.odp3.toStdString() << '|' << record.komentar.toStdString()
         << '|' << record.cspravOdp;
}
