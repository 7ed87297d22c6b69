// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// The noun's three forms after a Czech count, e.g. {"záznam", "záznamy", "záznamů"}; the caller
// picks the case the sentence needs ("potřebuje 1 otázku").
struct CzechNoun
{
    const char *one;  // 1
    const char *few;  // 2 to 4
    const char *many; // 0, 5 and more; a negative count takes the form of its size
};

// "1 záznam", "3 záznamy", "5 záznamů".
QString czechCount(qint64 count, const CzechNoun &noun);
