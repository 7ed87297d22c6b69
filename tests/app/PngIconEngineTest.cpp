// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/PngIconEngine.h"
#include "app/Unit2.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>

namespace {

QImage pixelsOf(const QIcon &icon, int side, qreal ratio, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(side, side), ratio, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The icons look as the style's own do, at the button's size on ordinary and high-density
// screens, enabled and disabled.
TEST(PngIconEngine, StandardIconsMatchTheStyle)
{
    QStyle *style = QApplication::style();
    for (QStyle::StandardPixmap which :
         {QStyle::SP_BrowserReload, QStyle::SP_DialogOkButton, QStyle::SP_DialogCancelButton}) {
        const QIcon expected = style->standardIcon(which);
        const QIcon actual = lazyStandardIcon(style, which);
        for (qreal ratio : {1.0, 2.0}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const QImage image = pixelsOf(actual, 16, ratio, mode);
                EXPECT_EQ(image.size(), QSize(16, 16) * ratio) << which << ' ' << ratio;
                EXPECT_EQ(image, pixelsOf(expected, 16, ratio, mode)) << which << ' ' << ratio << ' ' << mode;
            }
        }
        EXPECT_EQ(actual.actualSize(QSize(16, 16)), expected.actualSize(QSize(16, 16))) << which;
        EXPECT_EQ(actual.availableSizes(), expected.availableSizes()) << which;
    }
}

// Each file is read when a size it serves is first asked for: the file of the large picture is
// replaced after the small one was drawn, and the new picture is what the large size shows.
TEST(PngIconEngine, ReadsAPictureOnlyWhenItsSizeIsAskedFor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString small = dir.filePath(QStringLiteral("small.png"));
    const QString large = dir.filePath(QStringLiteral("large.png"));
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QImage green(32, 32, QImage::Format_ARGB32);
    green.fill(Qt::green);
    QImage blue(32, 32, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(red.save(small, "png"));
    ASSERT_TRUE(green.save(large, "png"));

    const QIcon icon(new PngIconEngine({{16, small}, {32, large}}));
    EXPECT_EQ(pixelsOf(icon, 16, 1.0).pixelColor(8, 8), QColor(Qt::red));
    ASSERT_TRUE(QFile::remove(large));
    ASSERT_TRUE(blue.save(large, "png"));
    EXPECT_EQ(pixelsOf(icon, 32, 1.0).pixelColor(16, 16), QColor(Qt::blue));
    EXPECT_EQ(pixelsOf(icon, 20, 1.0).size(), QSize(20, 20)) << "a size between is drawn from the larger picture";
}

using ToolbarIconTest = WindowFixture;

TEST_F(ToolbarIconTest, ToolbarButtonsShowTheirIconsAtTheButtonSize)
{
    TForm2 *form = CreateWindow(makeBankRecords(50, 40, 30));
    QStyle *style = form->style();
    const int side = style->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, form->BBGtest);
    const QList<std::pair<QPushButton *, QIcon>> expected = {
        {form->BBGtest, style->standardIcon(QStyle::SP_BrowserReload)},
        {form->BBStest, style->standardIcon(QStyle::SP_DialogOkButton)},
        {form->BBUtest, style->standardIcon(QStyle::SP_DialogCancelButton)},
        {form->BBKtest, QIcon(QStringLiteral(":/icons/konfigurace.png"))},
        {form->BtnTisk, QIcon(QStringLiteral(":/icons/tisk.png"))},
        {form->BtnTiskKlic, QIcon(QStringLiteral(":/icons/klic.png"))},
        {form->BtnInfo, QIcon(QStringLiteral(":/icons/info.png"))},
    };
    for (const auto &[button, icon] : expected) {
        EXPECT_EQ(button->iconSize(), QSize(side, side)) << button->objectName().toStdString();
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            EXPECT_EQ(pixelsOf(button->icon(), side, 1.0, mode), pixelsOf(icon, side, 1.0, mode))
                << button->objectName().toStdString() << ' ' << mode;
        }
    }
    EXPECT_TRUE(form->BBVytest->icon().isNull());
}

}
