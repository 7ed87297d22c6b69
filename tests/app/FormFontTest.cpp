// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FormFont.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

const QStringList Preferred = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")};

TEST(FormFont, KeepsOnlyInstalledFamiliesInTheirOrder)
{
    const QStringList installed = {QStringLiteral("DejaVu Sans"), QStringLiteral("liberation sans"),
                                   QStringLiteral("Noto Sans [GOOG]"), QStringLiteral("Noto Sans Mono")};
    EXPECT_EQ(InstalledFamilies(Preferred, installed),
              (QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"),
                           QStringLiteral("DejaVu Sans")}));
    EXPECT_EQ(InstalledFamilies(Preferred, {QStringLiteral("Tahoma"), QStringLiteral("Arial")}),
              QStringList{QStringLiteral("Tahoma")});
}

TEST(FormFont, LeavesTheWholeListToTheFontServiceWhenNoneIsInstalled)
{
    EXPECT_EQ(InstalledFamilies(Preferred, {QStringLiteral("Noto Sans Mono"), QStringLiteral("Arial")}), Preferred);
    EXPECT_EQ(InstalledFamilies(Preferred, {}), Preferred);
}

// The narrowed list must not change the face the form gets.
TEST(FormFont, ResolvesToTheSameFaceAsTheWholeList)
{
    for (bool bold : {false, true}) {
        QFont whole = FormFont(16, bold);
        whole.setFamilies(FormFontPreferredFamilies());
        const QFontInfo expected(whole);
        const QFontInfo actual(FormFont(16, bold));
        EXPECT_EQ(actual.family(), expected.family());
        EXPECT_EQ(actual.styleName(), expected.styleName());
        EXPECT_EQ(actual.pixelSize(), 16);
    }
}

}
