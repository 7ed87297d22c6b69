// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FormFont.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

const QStringList Preferred = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")};

TEST(FormFont, KeepsOnlyInstalledFamiliesInTheirOrder)
{
    const QStringList installed = {QStringLiteral("DejaVu Sans"), QStringLiteral("liberation sans"),
                                   QStringLiteral("Noto Sans [GOOG]"), QStringLiteral("Noto Sans Mono")};
    EXPECT_EQ(installedFamilies(Preferred, installed),
              (QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"),
                           QStringLiteral("DejaVu Sans")}));
    EXPECT_EQ(installedFamilies(Preferred, {QStringLiteral("Tahoma"), QStringLiteral("Arial")}),
              QStringList{QStringLiteral("Tahoma")});
}

TEST(FormFont, LeavesTheWholeListToTheFontServiceWhenNoneIsInstalled)
{
    EXPECT_EQ(installedFamilies(Preferred, {QStringLiteral("Noto Sans Mono"), QStringLiteral("Arial")}), Preferred);
    EXPECT_EQ(installedFamilies(Preferred, {}), Preferred);
}

// The narrowed list must not change the face the form gets.
TEST(FormFont, ResolvesToTheSameFaceAsTheWholeList)
{
    for (bool bold : {false, true}) {
        QFont whole = formFont(16, bold);
        whole.setFamilies(formFontPreferredFamilies());
        const QFontInfo expected(whole);
        const QFontInfo actual(formFont(16, bold));
        EXPECT_EQ(actual.family(), expected.family());
        EXPECT_EQ(actual.styleName(), expected.styleName());
        EXPECT_EQ(actual.pixelSize(), 16);
    }
}

}
