// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

struct BankCheck;
struct Finding;

// The check on one line: records, each group's count, share and quota, the records of no
// group, the test's size, and whether a test can be drawn.
QString checkSummary(const BankCheck &check);

// A message: its first line, then the findings one a line (at most `limit`, then how many more).
QString findingLines(const QString &first, const QList<Finding> &findings, int limit);
