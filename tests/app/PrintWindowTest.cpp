// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PdfText.h"

#include "app/Unit2.h"
#include "common/RequiredTool.h"
#include "common/WindowFixture.h"
#include "platform/core/DateTime.h"
#include "platform/PrintDialog.h"

#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {
class PrintWindowTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        outputPath = programDir() + QStringLiteral("tisk.pdf");
        PrintDialog::setHandler([this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setOutputFileName(outputPath);
            return true;
        });
    }
    void TearDown() override
    {
        PrintDialog::setHandler(nullptr);
        WindowFixture::TearDown();
    }

    // A window over a bank of 40 questions with a test generated.
    void generateTest(const QList<BankRecord> &bank = makeBankRecords(20, 12, 8))
    {
        CreateWindow(bank);
        QTest::mouseClick(window->BBGtest, Qt::LeftButton);
        ASSERT_TRUE(window->BtnTisk->isEnabled());
    }

    QString outputPath;
};
}

TEST_F(PrintWindowTest, PrintButtonPrintsTheGeneratedTest)
{
    TZ_REQUIRE_TOOL(PdfText::available(), "pdftotext (poppler-utils)");
    generateTest();
    QTest::mouseClick(window->BtnTisk, Qt::LeftButton);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();

    const QString text = PdfText::extract(outputPath);
    const QString flat = text.simplified();
    const QString withoutSpaces = QString(text).remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(withoutSpaces.contains(QString(TestCode).remove(QLatin1Char(' '))));
    EXPECT_TRUE(flat.contains(DateTime::shortDateText(now)));
    for (int n = 1; n <= QuestionCount; ++n) {
        EXPECT_TRUE(flat.contains(QStringLiteral("otázka č. %1 ").arg(n))) << n;
        EXPECT_TRUE(flat.contains(TestQuestions[n].wdotaz)) << n;
    }
}

// An ordering question as a teacher types it, over several lines.
TEST_F(PrintWindowTest, LineBreaksInAQuestionEndPrintedLinesAndNoEmptySheetFollows)
{
    TZ_REQUIRE_TOOL(PdfText::available(), "pdftotext (poppler-utils)");
    QList<BankRecord> bank = makeBankRecords(20, 12, 8);
    for (BankRecord &record : bank)
        record.dotaz = QStringLiteral("Uveďte správné pořadí:\r\n1. Máj\r\n2. Kytice");
    generateTest(bank);
    QTest::mouseClick(window->BtnTisk, Qt::LeftButton);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();

    const QStringList pages = PdfText::pageTexts(outputPath);
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Strana %1").arg(pages.size()))) << "the last sheet is printed on";
    QStringList lines;
    for (const QString &line : pages.join(QLatin1Char('\n')).split(QLatin1Char('\n')))
        lines.append(line.simplified());
    EXPECT_EQ(lines.count(QStringLiteral("1. Máj")), QuestionCount);
    EXPECT_EQ(lines.count(QStringLiteral("2. Kytice")), QuestionCount);
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("pořadí:$"))).size(), QuestionCount);
}

TEST_F(PrintWindowTest, PrinterFailureIsShownAndTheProgramGoesOn)
{
    generateTest();
    outputPath = programDir() + QStringLiteral("chybí/tisk.pdf");
    QTest::mouseClick(window->BtnTisk, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Tisk")));
    EXPECT_TRUE(window->BtnTisk->isEnabled());
}
