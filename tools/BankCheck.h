// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace paradox { class Table; }

// `testbank check`: what the program makes of a question bank.
struct BankCheckResult
{
    bool testCanBeDrawn = false;
    QString report;
};

BankCheckResult checkBank(paradox::Table &table);
