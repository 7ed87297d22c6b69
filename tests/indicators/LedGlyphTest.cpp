// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageCanvas.h"
#include "indicators/AbProc.h"
#include "indicators/GClass.h"

#include <gtest/gtest.h>

namespace {

struct ChangeCounter
{
    explicit ChangeCounter(TLED &led)
    {
        led.OnChange = [this](TAbPersistent *sender) {
            ++count;
            last = sender;
        };
    }
    int count = 0;
    TAbPersistent *last = nullptr;
};

TEST(LedGlyph, NewGlyphHasDefaults)
{
    TLED led;
    EXPECT_EQ(led.Shape(), sRound);
    EXPECT_EQ(led.ColorOn(), clLime);
    EXPECT_EQ(led.ColorOff(), clBtnFace);
    EXPECT_EQ(led.Width(), 13);
    EXPECT_EQ(led.Height(), 13);
    EXPECT_EQ(led.Rect.Right - led.Rect.Left, 0);
}

TEST(LedGlyph, SizeOutsideFourToEightyIsIgnoredSilently)
{
    TLED led;
    ChangeCounter changes(led);
    led.SetWidth(3);
    led.SetWidth(81);
    led.SetHeight(3);
    led.SetHeight(81);
    EXPECT_EQ(led.Width(), 13);
    EXPECT_EQ(led.Height(), 13);
    EXPECT_EQ(changes.count, 0);

    led.SetWidth(4);
    led.SetHeight(80);
    EXPECT_EQ(led.Width(), 4);
    EXPECT_EQ(led.Height(), 80);
    EXPECT_EQ(changes.count, 2);
    led.SetWidth(80);
    led.SetHeight(4);
    EXPECT_EQ(led.Width(), 80);
    EXPECT_EQ(led.Height(), 4);
    EXPECT_EQ(changes.count, 4);
}

TEST(LedGlyph, OnlyARealChangeNotifiesWithTheGlyphAsSender)
{
    TLED led;
    ChangeCounter changes(led);
    led.SetShape(sRound);
    led.SetColorOn(clLime);
    led.SetColorOff(clBtnFace);
    led.SetWidth(13);
    led.SetHeight(13);
    EXPECT_EQ(changes.count, 0);

    led.SetShape(sDiamondRight);
    led.SetColorOn(clAqua);
    led.SetColorOff(clRed);
    EXPECT_EQ(changes.count, 3);
    EXPECT_EQ(changes.last, &led);
    EXPECT_EQ(led.Shape(), sDiamondRight);
    EXPECT_EQ(led.ColorOn(), clAqua);
    EXPECT_EQ(led.ColorOff(), clRed);
}

TEST(LedGlyph, ChangeWithoutHandlerDoesNothingAndChangeObjectPassesItsSender)
{
    TLED led;
    led.Change();
    TLED other;
    ChangeCounter changes(led);
    led.ChangeObject(&other);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(changes.last, &other);
}

// Draws the glyph into (4, 4, 17, 17) of a white image.
QImage drawGlyph(TLEDShape shape, bool checked, int size = 13)
{
    QImage image = blankImage(24, 24);
    QPainter painter(&image);
    TCanvas canvas(painter, testPalette());
    TLED led;
    led.SetShape(shape);
    led.SetColorOn(clAqua);
    led.SetColorOff(clRed);
    led.Rect = TRect{4, 4, 4 + size, 4 + size};
    led.Draw(canvas, checked);
    return image;
}

TEST(LedGlyph, FillFollowsTheStateAndTheOutlineIsAlwaysTheShadow)
{
    const QImage on = drawGlyph(sRectangle, true);
    const QImage off = drawGlyph(sRectangle, false);
    EXPECT_EQ(pixel(on, 10, 10), plain(clAqua));
    EXPECT_EQ(pixel(off, 10, 10), plain(clRed));
    EXPECT_EQ(pixel(on, 4, 10), shadow());
    EXPECT_EQ(pixel(off, 4, 10), shadow());
}

TEST(LedGlyph, DrawIntoTheEmptyRectangleLeavesNoMark)
{
    QImage image = blankImage(24, 24);
    QPainter painter(&image);
    TCanvas canvas(painter, testPalette());
    TLED led;
    led.Draw(canvas, true);
    painter.end();
    EXPECT_TRUE(inkBox(image, 0, image.height()).isEmpty());
}

TEST(LedGlyph, RoundLampStaysInsideItsRectangleWithAGlintAtTheUpperLeft)
{
    const QImage image = drawGlyph(sRound, true);
    EXPECT_EQ(pixel(image, 10, 10), plain(clAqua));
    EXPECT_EQ(pixel(image, 4, 10), shadow());
    EXPECT_EQ(pixel(image, 16, 10), shadow());
    EXPECT_EQ(pixel(image, 10, 4), shadow());
    EXPECT_EQ(pixel(image, 10, 16), shadow());
    EXPECT_EQ(inkBox(image, 0, image.height()), QRect(4, 4, 13, 13));

    int glintUpperLeft = 0;
    int glintElsewhere = 0;
    for (int y = 4; y < 17; ++y)
        for (int x = 4; x < 17; ++x)
            if (pixel(image, x, y) == highlight())
                (x <= 10 && y <= 10 ? glintUpperLeft : glintElsewhere)++;
    EXPECT_GT(glintUpperLeft, 2);
    EXPECT_EQ(glintElsewhere, 0);
}

TEST(LedGlyph, NarrowRoundLampStillDrawsItsGlint)
{
    const QImage image = drawGlyph(sRound, false, 7);
    bool glint = false;
    for (int y = 4; y < 11; ++y)
        for (int x = 4; x < 11; ++x)
            glint = glint || pixel(image, x, y) == highlight();
    EXPECT_TRUE(glint);
}

struct ShapeCase
{
    TLEDShape shape;
    QList<QPoint> outline;
    QList<QPoint> blank;
    QPoint inside;
};

class LedShapes : public ::testing::TestWithParam<ShapeCase>
{
};

// Rectangle (4, 4, 17, 17): W = 13, HW = HH = 6.
TEST_P(LedShapes, CornersInkedAndOutsideLeftBlank)
{
    const ShapeCase &shape = GetParam();
    const QImage image = drawGlyph(shape.shape, false);
    for (const QPoint &corner : shape.outline)
        EXPECT_EQ(pixel(image, corner.x(), corner.y()), shadow()) << corner.x() << "," << corner.y();
    for (const QPoint &outside : shape.blank)
        EXPECT_EQ(pixel(image, outside.x(), outside.y()), QColor(Qt::white))
            << outside.x() << "," << outside.y();
    EXPECT_EQ(pixel(image, shape.inside.x(), shape.inside.y()), plain(clRed));
}

INSTANTIATE_TEST_SUITE_P(
    AllShapes, LedShapes,
    ::testing::Values(
        ShapeCase{sArrowLeft, {{4, 10}, {16, 4}, {16, 16}}, {{4, 4}, {4, 16}, {17, 10}}, {13, 10}},
        ShapeCase{sArrowRight, {{4, 4}, {16, 10}, {4, 16}}, {{16, 4}, {16, 16}, {3, 10}}, {7, 10}},
        ShapeCase{sArrowUp, {{10, 4}, {16, 16}, {4, 16}}, {{4, 4}, {16, 4}, {10, 17}}, {10, 13}},
        ShapeCase{sArrowDown, {{4, 4}, {16, 4}, {10, 16}}, {{4, 16}, {16, 16}, {10, 3}}, {10, 7}},
        ShapeCase{sRectangle, {{4, 4}, {16, 4}, {4, 16}, {16, 16}}, {{17, 10}, {10, 17}, {3, 3}}, {10, 10}},
        ShapeCase{sDiamondLeft, {{4, 4}, {10, 4}, {17, 17}, {10, 17}}, {{16, 4}, {4, 17}}, {10, 10}},
        ShapeCase{sDiamondRight, {{10, 4}, {17, 4}, {10, 17}, {4, 17}}, {{4, 4}, {17, 17}}, {10, 10}}));

}
