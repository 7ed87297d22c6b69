// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HeaderControl.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

THeaderControl *makeStatusLine(QWidget *parent = nullptr)
{
    auto *status = new THeaderControl(parent);
    for (int width : {230, 50, 150, 320, 50})
        status->addSection(width);
    status->resize(900, 30);
    return status;
}

bool hasRedInColumns(const QImage &image, int from, int to)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = from; x < to; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90)
                return true;
        }
    }
    return false;
}

TEST(HeaderControl, KeepsTheTextOfEachSection)
{
    std::unique_ptr<THeaderControl> status(makeStatusLine());
    status->setSectionText(0, QStringLiteral("Čas testu: 0:30:00"));
    status->setSectionText(3, QStringLiteral("správně: 5"));
    EXPECT_EQ(status->sectionText(0), QStringLiteral("Čas testu: 0:30:00"));
    EXPECT_EQ(status->sectionText(3), QStringLiteral("správně: 5"));
    EXPECT_TRUE(status->sectionText(1).isEmpty());
    status->setSectionText(0, QString());
    EXPECT_TRUE(status->sectionText(0).isEmpty());
}

TEST(HeaderControl, IgnoresSectionsItDoesNotHave)
{
    std::unique_ptr<THeaderControl> status(makeStatusLine());
    status->setSectionText(5, QStringLiteral("navíc"));
    status->setSectionText(-1, QStringLiteral("navíc"));
    EXPECT_EQ(status->sectionCount(), 5);
    EXPECT_TRUE(status->sectionText(5).isEmpty());
    EXPECT_TRUE(status->sectionText(-1).isEmpty());
    EXPECT_EQ(status->sectionWidth(5), 0);
}

TEST(HeaderControl, PaintsEachTextRedInsideItsSection)
{
    std::unique_ptr<THeaderControl> status(makeStatusLine());
    const QImage before = status->grab().toImage();
    EXPECT_FALSE(hasRedInColumns(before, 0, 900));

    status->setSectionText(3, QStringLiteral("správně: 25   špatně: 5"));
    const QImage after = status->grab().toImage();
    EXPECT_TRUE(hasRedInColumns(after, 430, 750));
    EXPECT_FALSE(hasRedInColumns(after, 0, 430));
    EXPECT_FALSE(hasRedInColumns(after, 750, 900));
    EXPECT_TRUE(status->font().bold());
    EXPECT_EQ(status->font().pixelSize(), 13);
}

}
