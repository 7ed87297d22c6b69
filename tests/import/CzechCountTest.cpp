// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts in the bank tool's messages take the Czech form of their noun.
#include "QStringPrinter.h"
#include "tools/import/CzechCount.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

TEST(CzechCount, TakesTheFormOfTheNumber)
{
    const CzechNoun record{"záznam", "záznamy", "záznamů"};
    const QList<std::pair<qint64, const char *>> cases = {
        {0, "0 záznamů"}, {1, "1 záznam"},    {2, "2 záznamy"},   {4, "4 záznamy"},  {5, "5 záznamů"},
        {11, "11 záznamů"}, {21, "21 záznamů"}, {22, "22 záznamů"}, {-1, "-1 záznam"}, {-3, "-3 záznamy"}, {-7, "-7 záznamů"},
    };
    for (const auto &[count, expected] : cases)
        EXPECT_EQ(czechCount(count, record), QString::fromUtf8(expected)) << count;
}

}
