// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingCanvas.h"
#include "indicators/AbProc.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionRoutines, CountCharCountsEveryOccurrence)
{
    EXPECT_EQ(CountChar(QLatin1Char('|'), QString()), 0);
    EXPECT_EQ(CountChar(QLatin1Char('|'), QStringLiteral("abc")), 0);
    EXPECT_EQ(CountChar(QLatin1Char('|'), QStringLiteral("|a||b|")), 4);
}

TEST(CaptionRoutines, SplitAtCharCutsOffTheFirstPart)
{
    QString text = QStringLiteral("ab|c|d");
    EXPECT_EQ(SplitAtChar(text, QLatin1Char('|')), QStringLiteral("ab"));
    EXPECT_EQ(text, QStringLiteral("c|d"));
    EXPECT_EQ(SplitAtChar(text, QLatin1Char('|')), QStringLiteral("c"));
    EXPECT_EQ(SplitAtChar(text, QLatin1Char('|')), QStringLiteral("d"));
    EXPECT_TRUE(text.isEmpty());

    text = QStringLiteral("|x");
    EXPECT_TRUE(SplitAtChar(text, QLatin1Char('|')).isEmpty());
    EXPECT_EQ(text, QStringLiteral("x"));
}

TEST(CaptionRoutines, NineAnchorsPlaceTheTextAroundThePoint)
{
    // "abcd": 24 × 10, halves 12 and 5.
    const QList<QPoint> expected = {
        {100, 50}, {88, 50}, {76, 50}, {100, 45}, {88, 45}, {76, 45}, {100, 40}, {88, 40}, {76, 40},
    };
    for (int anchor = 0; anchor < 9; ++anchor) {
        RecordingCanvas canvas;
        DrawTextAnchored(canvas, 100, 50, QStringLiteral("abcd"), anchor);
        ASSERT_EQ(canvas.Texts.size(), 1);
        EXPECT_EQ(QPoint(canvas.Texts[0].x, canvas.Texts[0].y), expected[anchor]) << anchor;
    }
    for (int anchor : {9, -1}) {
        RecordingCanvas canvas;
        DrawTextAnchored(canvas, 100, 50, QStringLiteral("abcd"), anchor);
        EXPECT_EQ(QPoint(canvas.Texts[0].x, canvas.Texts[0].y), QPoint(0, 0)) << anchor;
    }
}

TEST(CaptionRoutines, MultiLineBlockFollowsTheAnchorsRow)
{
    const QString text = QStringLiteral("a|bb|ccc");
    auto tops = [&](int anchor, int spacing) {
        RecordingCanvas canvas;
        DrawMultiLineText(canvas, 50, 100, spacing, text, anchor);
        QList<int> result;
        for (const auto &line : canvas.Texts)
            result << line.y;
        return result;
    };
    EXPECT_EQ(tops(1, 0), (QList<int>{100, 110, 120}));
    EXPECT_EQ(tops(4, 0), (QList<int>{85, 95, 105}));
    EXPECT_EQ(tops(7, 0), (QList<int>{70, 80, 90}));
    EXPECT_EQ(tops(1, 3), (QList<int>{100, 113, 126}));

    RecordingCanvas right;
    DrawMultiLineText(right, 50, 100, 0, text, 2);
    ASSERT_EQ(right.Texts.size(), 3);
    for (const auto &line : right.Texts)
        EXPECT_EQ(line.x + RecordingCanvas::CharWidth * line.text.size(), 50);
}

TEST(CaptionRoutines, EmptyLinesAdvanceButDrawNothing)
{
    RecordingCanvas canvas;
    DrawMultiLineText(canvas, 0, 0, 0, QStringLiteral("a||b"), 0);
    QList<int> drawnAt;
    for (const auto &line : canvas.Texts)
        if (!line.text.isEmpty())
            drawnAt << line.y;
    EXPECT_EQ(drawnAt, (QList<int>{0, 20}));
}

}
