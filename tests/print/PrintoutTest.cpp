// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PdfText.h"
#include "common/RequiredTool.h"

#include "bank/Totazka.h"
#include "platform/core/AppError.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"
#include "print/Printout.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#define REQUIRE_PDFTOTEXT() TZ_REQUIRE_TOOL(PdfText::available(), "pdftotext (poppler-utils)")

namespace {
constexpr double Today = 46000.25;

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// The question labels and answer labels in the order they were printed: "1", "A", "B", "C", "2" …
QStringList printedLabels(const QString &text)
{
    static const QRegularExpression label(QStringLiteral("otázka č\\. (\\d+)|Odpověď ([ABC])"));
    QStringList labels;
    for (const QRegularExpressionMatch &match : label.globalMatch(text))
        labels.append(match.captured(1) + match.captured(2));
    return labels;
}

QStringList expectedLabels(int questions)
{
    QStringList labels;
    for (int n = 1; n <= questions; ++n)
        labels << QString::number(n) << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("C");
    return labels;
}

// The width of a text in the printer font, in points.
double pointsWide(const QString &text)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(PrintJob::DotsPerInch);
    return QFontMetrics(PrintJob::printerFont(), &printer).horizontalAdvance(text) * 72.0 / PrintJob::DotsPerInch;
}

QString letterOf(qint32 index)
{
    return index >= 0 && index <= 2 ? QString(QLatin1Char("ABC"[index])) : QStringLiteral("X");
}

// The lines of a key page that carry entries, with runs of white space collapsed.
QStringList keyLines(const QString &page)
{
    QStringList lines;
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("otázka")))
            lines.append(line.simplified());
    }
    return lines;
}

// A field of the words equal to text, in the order they were drawn.
template <typename Field>
QList<Field> fieldOf(const QList<PdfText::Word> &words, const QString &text, Field PdfText::Word::*field)
{
    QList<Field> values;
    for (const PdfText::Word &word : words) {
        if (word.text == text)
            values.append(word.*field);
    }
    return values;
}

QList<double> topsOf(const QList<PdfText::Word> &words, const QString &text)
{
    return fieldOf(words, text, &PdfText::Word::top);
}

QList<int> pagesOf(const QList<PdfText::Word> &words, const QString &text)
{
    return fieldOf(words, text, &PdfText::Word::page);
}

// H of the printer font at 600 dpi; a line is H + 12 device units.
int fontHeight()
{
    return int(std::nearbyint(PrintJob::printerFont().pointSizeF() * PrintJob::DotsPerInch / 72.0));
}

double pitchInPoints()
{
    return (fontHeight() + 12) * 72.0 / PrintJob::DotsPerInch;
}

class PrintoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        outputPath = pdfPath(QStringLiteral("out.pdf"));
        questionCount = 30;
        lineLength = 110;
        testCode = QStringLiteral("kod: ");
        for (int n = 1; n <= 30; ++n) {
            questions[n] = Totazka{QStringLiteral("Kolik žlutých koní stojí u %1. stáje?").arg(n),
                                       QStringLiteral("%1 koní").arg(n),
                                       QStringLiteral("%1 hříbat").arg(n + 1),
                                       QStringLiteral("žádný kůň"),
                                       QString(),
                                       (n * 7) % 3};
            testCode += QStringLiteral("%1/%2 ").arg(n * 3).arg(n % 3 + 1);
        }

        PrintDialog::setHandler([this](QPrinter &printer) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(outputPath);
            return !cancel;
        });
        // Every reading of the clock is a day later, so each page's own date shows.
        Clock::setNowForTests([this] { return Today + clockReadings++; });
        Messages::setHandler([this](Messages::Kind, const QString &, const QString &text) {
            messages.append(text);
        });
    }

    void TearDown() override
    {
        PrintDialog::setHandler(nullptr);
        Clock::setNowForTests(nullptr);
        Messages::setHandler(nullptr);
    }

    QString pdfPath(const QString &name) const { return m_dir.filePath(name); }

    QString outputPath;
    bool cancel = false;
    int dialogs = 0;
    int clockReadings = 0;
    QStringList messages;

    // The test the printouts are made of, with a margin of 10 letters.
    std::array<Totazka, QuestionSlots> questions{};
    qint32 questionCount = 0;
    qint32 lineLength = 0;
    QString testCode;

    PrintFormat format() const { return {10, lineLength, testCode, QFont()}; }
    void printTest() { ::PrintTest(questions, questionCount, format(), nullptr); }
    void printKey() { ::PrintKey(questions, questionCount, format(), nullptr); }

private:
    QTemporaryDir m_dir;
};
}

TEST_F(PrintoutTest, TestPrintsEveryQuestionInOrderOnNumberedPages)
{
    REQUIRE_PDFTOTEXT();
    printTest();
    const QStringList pages = PdfText::pageTexts(outputPath);
    // Thirty blocks do not fit one A4 page; the last page carries the last block, no sheet is empty.
    ASSERT_GE(pages.size(), 2);
    EXPECT_FALSE(printedLabels(pages.last()).isEmpty());

    EXPECT_EQ(printedLabels(pages.join(QString())), expectedLabels(30));
    const QString allText = pages.join(QString()).simplified();
    for (int n = 1; n <= 30; ++n)
        EXPECT_TRUE(allText.contains(questions[n].wdotaz)) << n;

    static const QRegularExpression pageNumber(QStringLiteral("Strana (\\d+)"));
    for (int k = 1; k <= pages.size(); ++k) {
        SCOPED_TRACE(k);
        const QString page = pages[k - 1];
        QStringList numbers;
        for (const QRegularExpressionMatch &match : pageNumber.globalMatch(page))
            numbers.append(match.captured(1));
        EXPECT_EQ(numbers, QStringList{QString::number(k)});
        const QString title = QStringLiteral("Test znalostí     ") + DateTime::shortDateText(Today + k - 1);
        EXPECT_TRUE(page.simplified().contains(title.simplified()));
        EXPECT_TRUE(withoutSpaces(page).contains(withoutSpaces(testCode)));
    }

    // The date stands five spaces after the title's words, the page number 60 "M" from the edge.
    const QList<PdfText::Word> words = PdfText::wordBoxes(outputPath);
    const double left = PdfText::leftsOf(words, QStringLiteral("Test")).value(0, -1);
    ASSERT_GE(left, 0);
    const QString date = DateTime::shortDateText(Today).section(QLatin1Char(' '), 0, 0);
    EXPECT_NEAR(PdfText::leftsOf(words, date).value(0) - left, pointsWide(QStringLiteral("Test znalostí     ")), 1.0);
    EXPECT_NEAR(PdfText::leftsOf(words, QStringLiteral("Strana")).value(0) - left, 60 * pointsWide(QStringLiteral("M")), 1.0);
}

TEST_F(PrintoutTest, KeyListsTheAnswersInTwoColumns)
{
    REQUIRE_PDFTOTEXT();
    questions[4].wcspravOdp = 3;
    questions[27].wcspravOdp = -1;
    printKey();
    const QStringList pages = PdfText::pageTexts(outputPath);
    ASSERT_EQ(pages.size(), 1) << "the key's one page, no empty sheet after it";

    QStringList expected;
    for (int i = 1; i <= 15; ++i) {
        expected.append(QStringLiteral("   otázka č. %1 - %2       otázka č. %3 - %4")
                            .arg(i).arg(letterOf(questions[i].wcspravOdp))
                            .arg(i + 15).arg(letterOf(questions[i + 15].wcspravOdp))
                            .simplified());
    }
    EXPECT_EQ(keyLines(pages[0]), expected);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("otázka č. 4 - X")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("otázka č. 27 - X")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Otázky testu-klíč")));
    EXPECT_FALSE(pages[0].contains(DateTime::shortDateText(Today)));
    EXPECT_TRUE(withoutSpaces(pages[0]).contains(withoutSpaces(testCode)));

    // The fixed spaces place the columns: three before the first, seven between them.
    const QList<PdfText::Word> words = PdfText::wordBoxes(outputPath);
    const double left = PdfText::leftsOf(words, QStringLiteral("Otázky")).value(0, -1);
    const QList<double> columns = PdfText::leftsOf(words, QStringLiteral("otázka"));
    ASSERT_GE(left, 0);
    ASSERT_EQ(columns.size(), 30);
    EXPECT_NEAR(columns[0] - left, pointsWide(QStringLiteral("   ")), 0.5);
    const QString firstEntry = QStringLiteral("otázka č. 1 - %1       ").arg(letterOf(questions[1].wcspravOdp));
    EXPECT_NEAR(columns[1] - columns[0], pointsWide(firstEntry), 0.5);
}

// A block in lines: the question's m lines, an empty line, A, B and C with their texts beside
// the labels, an empty line, the rule, an empty line; the next block on the line after.
TEST_F(PrintoutTest, QuestionBlockStandsOnLinesOfThePitch)
{
    REQUIRE_PDFTOTEXT();
    questionCount = 2;
    lineLength = 10;
    questions[1] = Totazka{QString(35, QLatin1Char('x')), QStringLiteral("alfa"), QStringLiteral("beta"),
                               QStringLiteral("gama"), QString(), 0};
    printTest();
    const QList<PdfText::Word> words = PdfText::wordBoxes(outputPath);
    const double pitch = pitchInPoints();
    const QList<double> blocks = topsOf(words, QStringLiteral("otázka"));
    ASSERT_EQ(blocks.size(), 2);
    const double top = blocks[0];

    const QList<double> question = topsOf(words, QString(10, QLatin1Char('x'))) + topsOf(words, QStringLiteral("xxxxx"));
    ASSERT_EQ(question.size(), 4) << "35 characters cut into lines of 10";
    for (int line = 0; line < 4; ++line)
        EXPECT_NEAR(question[line], top + line * pitch, 0.5) << "question line " << line;

    const QList<double> labels = topsOf(words, QStringLiteral("Odpověď"));
    ASSERT_GE(labels.size(), 3);
    const QStringList answers = {QStringLiteral("alfa"), QStringLiteral("beta"), QStringLiteral("gama")};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(answers[k].toStdString());
        EXPECT_NEAR(labels[k], top + (5 + k) * pitch, 0.5);
        EXPECT_EQ(topsOf(words, answers[k]), QList<double>{labels[k]}) << "the answer beside its label";
    }
    const double labelLeft = PdfText::leftsOf(words, QStringLiteral("Odpověď")).value(0);
    EXPECT_NEAR(PdfText::leftsOf(words, QStringLiteral("alfa")).value(0) - labelLeft,
                8 * pointsWide(QStringLiteral("M")), 1.0);
    EXPECT_NEAR(blocks[1], top + 11 * pitch, 0.5);
}

// The page head ends on line 8 with a one-line test code; the first block's question takes
// the lines that put the second block's start on the last line above 5133, or on the next.
class PageBreakTest : public PrintoutTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(PageBreakTest, BlockStartingAboveTheLimitIsPrintedWholeTheNextGoesOver)
{
    REQUIRE_PDFTOTEXT();
    const int linesPast = GetParam();
    const int pitch = fontHeight() + 12;
    const int lastLineAbove = (PrintPageBottom - fontHeight() - 1) / pitch;
    ASSERT_LT(fontHeight() + lastLineAbove * pitch, PrintPageBottom);
    ASSERT_GE(fontHeight() + (lastLineAbove + 1) * pitch, PrintPageBottom);
    const int firstQuestionLines = lastLineAbove - 15 + linesPast;
    ASSERT_GE(firstQuestionLines, 1);

    questionCount = 3;
    lineLength = 10;
    testCode = QStringLiteral("kod: 1/1");
    questions[1].wdotaz = QString(10 * firstQuestionLines, QLatin1Char('q'));
    printTest();
    const QList<PdfText::Word> words = PdfText::wordBoxes(outputPath);
    const QList<int> blockPages = pagesOf(words, QStringLiteral("otázka"));
    const QList<int> labelPages = pagesOf(words, QStringLiteral("Odpověď"));
    if (linesPast == 0) {
        EXPECT_EQ(blockPages, (QList<int>{1, 1, 2}));
        EXPECT_EQ(labelPages, (QList<int>{1, 1, 1, 1, 1, 1, 2, 2, 2})) << "the second block whole on page 1";
    } else {
        EXPECT_EQ(blockPages, (QList<int>{1, 2, 2}));
        EXPECT_EQ(labelPages, (QList<int>{1, 1, 1, 2, 2, 2, 2, 2, 2}));
    }
}

INSTANTIATE_TEST_SUITE_P(StartLine, PageBreakTest, ::testing::Values(0, 1));

TEST_F(PrintoutTest, ShortTestPrintsOnlyItsOwnQuestions)
{
    REQUIRE_PDFTOTEXT();
    questionCount = 12;
    for (int n = 13; n <= 30; ++n)
        questions[n].wdotaz = QStringLiteral("stará otázka");

    printTest();
    const QString test = PdfText::extract(outputPath);
    EXPECT_EQ(printedLabels(test), expectedLabels(12));
    EXPECT_FALSE(test.contains(QStringLiteral("stará")));

    printKey();
    QStringList expected;
    for (int i = 1; i <= 12; ++i)
        expected.append(QStringLiteral("otázka č. %1 - %2").arg(i).arg(letterOf(questions[i].wcspravOdp)));
    EXPECT_EQ(keyLines(PdfText::pageTexts(outputPath).value(0)), expected);
}

TEST_F(PrintoutTest, PageHeadBelowThePageBottomStillTakesOneQuestionPerPage)
{
    REQUIRE_PDFTOTEXT();
    questionCount = 3;
    testCode = QString(80 * 110, QLatin1Char('k'));
    printTest();
    const QStringList pages = PdfText::pageTexts(outputPath);
    ASSERT_EQ(pages.size(), 3);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(printedLabels(pages[k - 1]), expectedLabels(k).mid(4 * (k - 1))) << k;
        EXPECT_TRUE(pages[k - 1].contains(QStringLiteral("Strana %1").arg(k)));
    }
}

TEST_F(PrintoutTest, CancelledDialogPrintsNothing)
{
    cancel = true;
    printTest();
    printKey();
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(QFile::exists(outputPath));
    EXPECT_EQ(clockReadings, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PrintoutTest, PrinterFailureEndsThePrintoutWithAnError)
{
    outputPath = pdfPath(QStringLiteral("chybí/out.pdf"));
    EXPECT_THROW(printKey(), AppError);
    guarded([this] { printTest(); });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Tisk")));
    EXPECT_FALSE(QFile::exists(outputPath));
}
