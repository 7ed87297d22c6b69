// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace paradox { class Table; }

// The bank's fields the open table lacks, in table order; names match in any letter case.
QStringList missingBankFields(const paradox::Table &table);
