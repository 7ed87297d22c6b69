// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/Csv.h"
#include "bankfile/Finding.h"

#include <QList>
#include <QString>

namespace paradox { class Table; }

// Any Paradox table as CSV: a header row of the field names, then one row per record.
struct TableDump
{
    QString csv;
    // Source Dump, UnreadableValue: a value that cannot be decoded leaves its cell empty.
    QList<Finding> problems;
};

TableDump dumpTable(paradox::Table &table, const CsvStyle &style = {});
