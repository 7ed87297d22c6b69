// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where an imported question comes from, for messages and for the groups.
struct RecordOrigin
{
    QString file;
    QString name;     // the input's name for the question, or the start of its text
    QString category; // Moodle's category path; empty where the format has none
    int line = 0;     // where the question starts in the file; for CSV its spreadsheet row
    bool ownNumber = false; // the input gives Cis (a CSV column)
    bool ownGroup = false;  // the input gives Skupina (CSV), which may lie outside 1..3 on purpose
};
