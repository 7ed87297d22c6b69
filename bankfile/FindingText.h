// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/Finding.h"

#include <QList>
#include <QString>

struct BankCheck;

// What a finding does to the operation's result.
enum class FindingEffect {
    Warning, // the record stays as it is
    LeftOut, // the question or record is not taken (import: skipped; export: not written)
    Blocks,  // nothing is written (build), or no test can be drawn (check)
};

FindingEffect findingEffect(const Finding &finding);

// The finding in Czech, its place first: "Soubor a.csv, řádek 3: CspravOdp 3 není 0, 1 ani 2, …",
// "záznam 3 (Cis 2): CspravOdp 3 mimo 0..2", "Nečitelné hodnoty (program ohlásí chybu): záznam 3: …".
QString findingText(const Finding &finding);

// The line the command line prints for it (without the line end): "Upozornění: " or
// "Vynecháno: " before findingText() where the tool puts one.
QString findingLine(const Finding &finding);

// The report `check` prints: the counts, quotas and test size, each finding of the check (those
// of a kind on one line, long lists cut), and the verdict; every line ends with a line end.
QString checkReportText(const BankCheck &check);
