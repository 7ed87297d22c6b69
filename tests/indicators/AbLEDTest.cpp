// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ImageCanvas.h"
#include "RecordingCanvas.h"
#include "indicators/AbFlashT.h"
#include "indicators/AbLED.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the rectangles it is asked to repaint and lets a test paint onto any canvas.
class ProbeLED : public TAbLED
{
public:
    using TAbLED::TAbLED;
    using TAbLED::Paint;

    QList<QRect> painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted.append(event->rect());
        TAbLED::paintEvent(event);
    }
};

QFont captionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// The main window's indicator: 20 × 30, lamp on top, one pixel above the caption.
void makeRowIndicator(TAbLED &led, const QString &caption)
{
    led.resize(20, 30);
    led.SetCaption(caption);
    led.SetLED_Position(lpTop);
    led.SetSpacing(1);
    led.SetMode(mButton);
    led.LED()->SetColorOn(clAqua);
    led.LED()->SetColorOff(clRed);
    led.setPalette(testPalette());
    led.setFont(captionFont());
}

QImage renderImage(TAbLED &led, const QRegion &region = QRegion())
{
    QImage image = blankImage(led.width(), led.height());
    led.render(&image, QPoint(), region, QWidget::RenderFlags());
    return image;
}

// What the window shows now: its backing store, without painting anything anew.
QImage onScreen(QWidget &window)
{
    QPaintDevice *device = window.backingStore()->paintDevice();
    return device->devType() == QInternal::Image ? static_cast<QImage *>(device)->copy() : QImage();
}

QRect lampOf(const TAbLED &led)
{
    const TRect &r = led.LED()->Rect;
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

TEST(AbLED, NewIndicatorDefaults)
{
    TAbLED led(nullptr);
    EXPECT_EQ(led.size(), QSize(73, 33));
    EXPECT_EQ(led.LED_Position(), lpLeft);
    EXPECT_EQ(led.Spacing(), 5);
    EXPECT_EQ(led.Mode(), mIndicator);
    EXPECT_EQ(led.LED()->Shape(), sRound);
    EXPECT_EQ(led.LED()->Width(), 13);
    EXPECT_EQ(led.LED()->Height(), 13);
    EXPECT_TRUE(led.Caption().isEmpty());
}

TEST(AbLED, RowIndicatorDrawsItsLampOnTopAndTheCaptionCentredBelow)
{
    TAbLED led(nullptr);
    makeRowIndicator(led, QStringLiteral("8"));
    led.SetChecked(true);
    const QImage on = renderImage(led);
    EXPECT_EQ(lampOf(led), QRect(4, 0, 13, 13));
    EXPECT_EQ(inkBox(on, 0, 13), QRect(4, 0, 13, 13));
    EXPECT_EQ(pixel(on, 10, 6), plain(clAqua));
    EXPECT_EQ(pixel(on, 4, 6), shadow());
    EXPECT_EQ(pixel(on, 16, 6), shadow());

    const QRect caption = inkBox(on, 13, on.height());
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.top(), 14);
    EXPECT_NEAR((caption.left() + caption.right() + 1) / 2.0, 10.0, 1.5);

    led.SetChecked(false);
    EXPECT_EQ(pixel(renderImage(led), 10, 6), plain(clRed));
}

TEST(AbLED, CaptionUsesTheControlsTextColour)
{
    TAbLED led(nullptr);
    makeRowIndicator(led, QStringLiteral("88"));
    QPalette palette = testPalette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    led.setPalette(palette);
    const QImage image = renderImage(led);
    // Antialiased glyphs blend with the white beneath, but their ink stays green.
    int green = 0;
    int other = 0;
    for (int y = 14; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor ink = pixel(image, x, y);
            if (ink == QColor(Qt::white))
                continue;
            if (ink.green() <= ink.red() || ink.green() <= ink.blue())
                ++other;
            else if (ink.green() > ink.red() + 60)
                ++green;
        }
    EXPECT_GT(green, 5);
    EXPECT_EQ(other, 0);
}

TEST(AbLED, RoundLampIsAlwaysSquareOtherShapesKeepTheirSize)
{
    TAbLED led(nullptr);
    led.setPalette(testPalette());
    led.LED()->SetWidth(13);
    led.LED()->SetHeight(20);
    QImage image = renderImage(led);
    EXPECT_EQ(lampOf(led), QRect(0, 6, 20, 20));
    EXPECT_EQ(inkBox(image, 0, image.height()), QRect(0, 6, 20, 20));

    led.LED()->SetShape(sRectangle);
    image = renderImage(led);
    EXPECT_EQ(lampOf(led), QRect(0, 6, 13, 20));
    EXPECT_EQ(inkBox(image, 0, image.height()), QRect(0, 6, 13, 20));
}

TEST(AbLED, ControlNoBiggerThanItsLampRepaintsWholeAfterAGlyphChange)
{
    TAbLED led(nullptr);
    led.setPalette(testPalette());
    led.resize(13, 13);
    renderImage(led);
    ASSERT_EQ(lampOf(led), QRect(0, 0, 13, 13));

    led.LED()->SetWidth(8);
    led.LED()->SetHeight(8);
    const QImage image = renderImage(led);
    EXPECT_EQ(lampOf(led), QRect(0, 2, 8, 8)) << "the whole paint places the smaller lamp anew";
    EXPECT_EQ(inkBox(image, 0, image.height()), QRect(0, 2, 8, 8));
}

TEST(AbLED, LampPositionsPlaceLampAndCaptionAroundTheMiddle)
{
    ProbeLED led(nullptr);
    led.SetCaption(QStringLiteral("abc"));
    struct Expected
    {
        TLEDPos position;
        QRect lamp;
        QPoint text;
    };
    // 73 × 33, lamp 13 × 13, spacing 5, text 18 × 10 on the recording canvas.
    const QList<Expected> cases = {
        {lpLeft, QRect(0, 10, 13, 13), QPoint(18, 11)},
        {lpRight, QRect(60, 10, 13, 13), QPoint(55 - 18, 11)},
        {lpTop, QRect(30, 0, 13, 13), QPoint(36 - 9, 18)},
        {lpBottom, QRect(30, 20, 13, 13), QPoint(36 - 9, 15 - 10)},
    };
    for (const Expected &expected : cases) {
        led.SetLED_Position(expected.position);
        RecordingCanvas canvas;
        led.Paint(canvas);
        EXPECT_EQ(lampOf(led), expected.lamp) << expected.position;
        ASSERT_EQ(canvas.Texts.size(), 1);
        EXPECT_EQ(QPoint(canvas.Texts[0].x, canvas.Texts[0].y), expected.text) << expected.position;
        EXPECT_EQ(canvas.Shapes.last(), QRect(expected.lamp.topLeft(), expected.lamp.size() + QSize(1, 1)));
    }
}

TEST(AbLED, LampOnTheRightIsFlushWithTheRightEdge)
{
    TAbLED led(nullptr);
    led.setPalette(testPalette());
    led.setFont(captionFont());
    led.SetLED_Position(lpRight);
    led.SetCaption(QStringLiteral("Wx"));
    const QImage image = renderImage(led);
    EXPECT_EQ(pixel(image, 72, 16), shadow());
    EXPECT_EQ(pixel(image, 66, 16), plain(clBtnFace));
    const QRect caption = inkBox(image, 0, image.height(), 0, 60);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_LE(caption.right(), 55);
    EXPECT_GE(caption.right(), 50);
}

TEST(AbLED, TwoLineCaptionIsCentredOnTheMiddle)
{
    ProbeLED led(nullptr);
    led.SetCaption(QStringLiteral("ab|cdef"));
    RecordingCanvas canvas;
    led.Paint(canvas);
    ASSERT_EQ(canvas.Texts.size(), 2);
    const auto &first = canvas.Texts[0];
    const auto &second = canvas.Texts[1];
    EXPECT_EQ(first.text, QStringLiteral("ab"));
    EXPECT_EQ(second.text, QStringLiteral("cdef"));
    EXPECT_EQ(first.x, 13 + 5);
    EXPECT_EQ(second.x, 13 + 5);
    EXPECT_EQ(second.y - first.y, RecordingCanvas::LineHeight);
    const int half = RecordingCanvas::LineHeight / 2;
    EXPECT_EQ((first.y + half + second.y + half) / 2, led.height() / 2);
}

TEST(AbLED, TrailingBarCountsAsALineButDrawsNone)
{
    ProbeLED led(nullptr);
    led.SetCaption(QStringLiteral("ab|"));
    RecordingCanvas canvas;
    led.Paint(canvas);
    ASSERT_EQ(canvas.Texts.size(), 1);
    const int centre = canvas.Texts[0].y + RecordingCanvas::LineHeight / 2;
    EXPECT_EQ(centre, led.height() / 2 - RecordingCanvas::LineHeight / 2);
}

TEST(AbLED, EmptyCaptionDrawsOnlyTheLamp)
{
    ProbeLED led(nullptr);
    RecordingCanvas canvas;
    led.Paint(canvas);
    EXPECT_TRUE(canvas.Texts.isEmpty());
    EXPECT_EQ(canvas.Shapes.size(), 1);
}

class ShownLED : public ::testing::Test
{
protected:
    void SetUp() override
    {
        owner.resize(100, 60);
        led = new ProbeLED(&owner);
        makeRowIndicator(*led, QStringLiteral("3"));
        owner.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
        ASSERT_TRUE(QTest::qWaitFor([this] { return !lampOf(*led).isEmpty(); }));
        QCoreApplication::processEvents();
        led->painted.clear();
    }
    void TearDown() override { resetFlashModuleForTests(); }

    QWidget owner;
    ProbeLED *led = nullptr;
};

TEST_F(ShownLED, StateChangeRepaintsTheLampAloneAtOnce)
{
    led->SetChecked(true);
    EXPECT_EQ(led->painted, QList<QRect>{QRect(4, 0, 13, 13)});
}

TEST_F(ShownLED, HiddenIndicatorDrawsNothingOnAStateChange)
{
    led->hide();
    led->SetChecked(true);
    TFlashTickEvent tick(1, 1);
    QCoreApplication::sendEvent(led, &tick);
    EXPECT_TRUE(led->painted.isEmpty());
}

TEST_F(ShownLED, FlashTickShowsTheTicksLookNotTheState)
{
    led->SetChecked(true);
    led->painted.clear();
    TFlashTickEvent off(64, 0);
    QCoreApplication::sendEvent(led, &off);
    EXPECT_EQ(led->painted, QList<QRect>{QRect(4, 0, 13, 13)});
    EXPECT_EQ(pixel(onScreen(owner), 10, 6), plain(clRed));

    TFlashTickEvent on(96, 1);
    QCoreApplication::sendEvent(led, &on);
    EXPECT_EQ(pixel(onScreen(owner), 10, 6), plain(clAqua));
}

TEST_F(ShownLED, FlashTickDuringPaintDrawsNothing)
{
    RecordingCanvas canvas;
    canvas.OnSetFont = [this] {
        TFlashTickEvent tick(32, 1);
        QCoreApplication::sendEvent(led, &tick);
    };
    led->Paint(canvas);
    EXPECT_TRUE(led->painted.isEmpty());
    EXPECT_EQ(canvas.Shapes.size(), 1);
}

TEST_F(ShownLED, DisplayParameterChangeRepaintsTheWholeControlOnlyOnARealChange)
{
    led->LED()->SetColorOff(clRed);
    led->SetSpacing(1);
    led->SetLED_Position(lpTop);
    QCoreApplication::processEvents();
    EXPECT_TRUE(led->painted.isEmpty());

    led->LED()->SetColorOff(clSilver);
    EXPECT_TRUE(QTest::qWaitFor([this] { return led->painted.contains(led->rect()); }));
    led->painted.clear();
    led->SetCaption(QStringLiteral("30"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return led->painted.contains(led->rect()); }));
}

}
