// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingCanvas.h"

#include "print/PrintJob.h"
#include "print/PrintLayout.h"

#include <QFontMetrics>
#include <QPageSize>
#include <QPrinter>
#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr int Dpi = 600;
constexpr int PageWidth = 4792;
constexpr int WidthOfM = 11;
constexpr int WidthOfA = 9;
const QRect Printable(30, 40, PageWidth, 6851);

// A text whose every character tells its position, so a skipped or repeated piece shows.
QString numberedText(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + i % 26);
    return text;
}

class PrintLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override { canvas.setFont(PrintJob::printerFont()); }

    // A layout on the same canvas with another margin or test code.
    PrintLayout layoutWith(qint32 margin, const QString &testCode = QString())
    {
        return PrintLayout{canvas, Dpi, PageWidth, {margin, 110, testCode, QFont()}};
    }

    // H and the pitch from the font's point size at 600 dpi.
    int fontHeight() const { return int(std::nearbyint(canvas.font().pointSizeF() * Dpi / 72.0)); }
    int pitch() const { return fontHeight() + 12; }

    RecordingCanvas canvas{Printable};
    PrintLayout layout = layoutWith(10);
};
}

TEST_F(PrintLayoutTest, WrappedTextIsCutByCharacterCount)
{
    struct Case
    {
        int length;
        int lines;
        int lastLineLength;
    };
    for (const Case c : {Case{110, 1, 110}, Case{111, 2, 1}, Case{220, 2, 110}, Case{700, 7, 40}}) {
        SCOPED_TRACE(c.length);
        canvas.texts.clear();
        layout.PrintPageSetup();
        const int top = layout.PrintArea().Top;
        const QString text = numberedText(c.length);
        layout.PrintWrapped(text, 110);

        ASSERT_EQ(canvas.texts.size(), c.lines);
        QString joined;
        for (int k = 0; k < c.lines; ++k) {
            const RecordingCanvas::Text &line = canvas.texts[k];
            joined += line.text;
            EXPECT_EQ(line.at.x(), Printable.left() + 10 * WidthOfA + 8 * WidthOfM);
            // The first step below a page's top is H alone, the others H + 12.
            EXPECT_EQ(line.at.y(), k == 0 ? top : top + fontHeight() + (k - 1) * pitch());
        }
        EXPECT_EQ(joined, text);
        EXPECT_EQ(canvas.texts.last().text.size(), c.lastLineLength);
        EXPECT_EQ(layout.PrintArea().Top, top + fontHeight() + (c.lines - 1) * pitch());
    }
}

// A line break ends the printed line and starts the count of characters afresh; an empty line
// between two breaks stays empty, a break at the end adds nothing.
TEST_F(PrintLayoutTest, LineBreakEndsThePrintedLine)
{
    struct Case
    {
        QString text;
        QStringList lines; // an empty entry: a line left empty
    };
    const QString long115 = numberedText(115);
    const Case cases[] = {
        {QStringLiteral("Uveďte správné pořadí:\n1. Máj\n2. Kytice"),
         {QStringLiteral("Uveďte správné pořadí:"), QStringLiteral("1. Máj"), QStringLiteral("2. Kytice")}},
        {QStringLiteral("Windows\r\nMac\rkonec\n"), {QStringLiteral("Windows"), QStringLiteral("Mac"), QStringLiteral("konec")}},
        {QStringLiteral("nad\n\npod"), {QStringLiteral("nad"), QString(), QStringLiteral("pod")}},
        {long115 + QStringLiteral("\nxy"), {long115.left(110), long115.mid(110), QStringLiteral("xy")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        canvas.texts.clear();
        layout.PrintPageSetup();
        layout.PrintNextLine();
        const int top = layout.PrintArea().Top;
        layout.PrintWrapped(c.text, 110);

        QStringList printed;
        QList<int> lineOf;
        for (const RecordingCanvas::Text &text : std::as_const(canvas.texts)) {
            printed.append(text.text);
            lineOf.append((text.at.y() - top) / pitch());
        }
        QStringList expected;
        QList<int> expectedLines;
        for (int k = 0; k < c.lines.size(); ++k) {
            if (c.lines[k].isEmpty())
                continue;
            expected.append(c.lines[k]);
            expectedLines.append(k);
        }
        EXPECT_EQ(printed, expected);
        EXPECT_EQ(lineOf, expectedLines);
        EXPECT_EQ(layout.PrintArea().Top, top + int(c.lines.size()) * pitch());
    }
}

TEST_F(PrintLayoutTest, EmptyTextPrintsNothingAndKeepsTheCursor)
{
    layout.PrintPageSetup();
    layout.PrintNextLine();
    const TPrintArea before = layout.PrintArea();
    layout.PrintWrapped(QString(), 110);
    EXPECT_TRUE(canvas.texts.isEmpty());
    EXPECT_EQ(layout.PrintArea().Top, before.Top);
    EXPECT_EQ(layout.PrintArea().Bottom, before.Bottom);
}

TEST_F(PrintLayoutTest, WrappingCountsCharactersNotCodeUnits)
{
    const QString smile = QString::fromUtf8("\U0001F600");
    layout.PrintPageSetup();
    layout.PrintWrapped(smile.repeated(111), 110);
    ASSERT_EQ(canvas.texts.size(), 2);
    EXPECT_EQ(canvas.texts[0].text, smile.repeated(110));
    EXPECT_EQ(canvas.texts[1].text, smile);
}

TEST_F(PrintLayoutTest, NonPositiveWidthPrintsTheTextOnOneLine)
{
    layout.PrintPageSetup();
    layout.PrintWrapped(QStringLiteral("abc"), 0);
    ASSERT_EQ(canvas.texts.size(), 1);
    EXPECT_EQ(canvas.texts[0].text, QStringLiteral("abc"));
}

TEST_F(PrintLayoutTest, MarginMovesTheLeftEdgeAndRulesRunFromThePageWidth)
{
    for (const int margin : {0, 10, 25}) {
        SCOPED_TRACE(margin);
        PrintLayout layout = layoutWith(margin);
        canvas.lines.clear();
        layout.PrintPageSetup();
        const int left = Printable.left() + margin * WidthOfA;
        EXPECT_EQ(layout.PrintArea().Left, left);
        layout.PrintRule();
        ASSERT_EQ(canvas.lines.size(), 1);
        EXPECT_EQ(canvas.lines[0].from, QPoint(PageWidth, Printable.top()));
        EXPECT_EQ(canvas.lines[0].to, QPoint(left, Printable.top()));
        // A rule leaves the cursor where it was.
        EXPECT_EQ(layout.PrintArea().Top, Printable.top());
    }
}

// A stored margin may be any number; the text stays on the page with at least one letter.
TEST_F(PrintLayoutTest, MarginBeyondThePageIsClampedToIt)
{
    const int widest = PageWidth - WidthOfA;
    const std::pair<qint32, int> margins[] = {{2147483647, widest},
                                              {528, Printable.left() + 528 * WidthOfA},
                                              {529, widest},
                                              {-2147483647 - 1, Printable.left()},
                                              {-1, Printable.left()}};
    for (const auto &[margin, left] : margins) {
        SCOPED_TRACE(margin);
        PrintLayout layout = layoutWith(margin);
        layout.PrintPageSetup();
        EXPECT_EQ(layout.PrintArea().Left, left);
    }
}

TEST_F(PrintLayoutTest, PageHeadPlacesRulesTitleAndCode)
{
    for (const int codeLines : {1, 3}) {
        SCOPED_TRACE(codeLines);
        canvas.texts.clear();
        canvas.lines.clear();
        PrintLayout layout = layoutWith(10, numberedText(110 * codeLines - 5));
        layout.PrintPageSetup();
        layout.PrintPageHead(QStringLiteral("Nadpis"));

        const int t0 = Printable.top();
        const int h = fontHeight();
        const int p = pitch();
        ASSERT_EQ(canvas.lines.size(), 3);
        EXPECT_EQ(canvas.lines[0].from.y(), t0);
        EXPECT_EQ(canvas.lines[1].from.y(), t0 + h + p);
        EXPECT_EQ(canvas.lines[2].from.y(), t0 + h + (6 + codeLines) * p);
        for (const RecordingCanvas::Line &rule : canvas.lines)
            EXPECT_EQ(rule.to.y(), rule.from.y());

        ASSERT_EQ(canvas.texts.size(), 1 + codeLines);
        EXPECT_EQ(canvas.texts[0].text, QStringLiteral("Nadpis"));
        EXPECT_EQ(canvas.texts[0].at, QPoint(layout.PrintArea().Left, t0 + h + 2 * p));
        for (int k = 0; k < codeLines; ++k)
            EXPECT_EQ(canvas.texts[1 + k].at.y(), t0 + h + (4 + k) * p);
        EXPECT_EQ(layout.PrintArea().Top, t0 + h + (7 + codeLines) * p);
    }
}

TEST_F(PrintLayoutTest, PageHeadPrintsRegularTextInTheSameSize)
{
    QFont bold = canvas.font();
    bold.setBold(true);
    canvas.setFont(bold);
    layout.PrintPageSetup();
    layout.PrintPageHead(QStringLiteral("Nadpis"));
    EXPECT_FALSE(canvas.font().bold());
    EXPECT_EQ(canvas.font().pointSizeF(), bold.pointSizeF());
    EXPECT_EQ(canvas.font().family(), bold.family());
}

TEST_F(PrintLayoutTest, FontHeightIsThePointSizeAtTheDeviceResolution)
{
    QFont font = canvas.font();
    font.setPointSizeF(7.5);
    canvas.setFont(font);
    // 7.5 pt at 600 dpi is 62.5 dots, and the half goes to the even neighbour.
    EXPECT_EQ(layout.fontHeight(), 62);
    EXPECT_EQ(layout.linePitch(), 74);
}

TEST(PrinterFont, FitsALongLineWithMarginAndIndentOnA4)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(PrintJob::DotsPerInch);
    const QFontMetrics metrics(PrintJob::printerFont(), &printer);
    const QString czech = QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy, když šel ráno přes nové hřiště. ");
    const QString line = czech.repeated(2).left(110);
    const int used = 10 * metrics.horizontalAdvance(QLatin1Char('A'))
                     + 8 * metrics.horizontalAdvance(QLatin1Char('M')) + metrics.horizontalAdvance(line);
    EXPECT_LE(used, printer.pageLayout().paintRectPixels(PrintJob::DotsPerInch).width());
    for (const QChar c : QString::fromUtf8("ěščřžýáíéůúťďňĚŠČŘŽÝÁÍÉŮÚŤĎŇ"))
        EXPECT_TRUE(metrics.inFont(c)) << QString(c).toStdString();
}
