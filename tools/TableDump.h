// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace paradox { class Table; }

// `testbank dump`: the table as CSV, a header row of the field names, then one row per record.
// A value that cannot be decoded leaves its cell empty and is named in `problems`.
struct TableDump
{
    QString csv;
    QStringList problems;
};

TableDump dumpTable(paradox::Table &table);
