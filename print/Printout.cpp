// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Printout.h"

#include "app/Unit2.h"
#include "platform/Clock.h"
#include "platform/DateTime.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"

#include <algorithm>

namespace {
constexpr int KeyLinesPerColumn = 15;

// Only the questions of the current test are printed; slots beyond it hold no question.
int printedQuestionCount()
{
    return std::clamp(QuestionCount, 0, TestCapacity);
}

QString testTitle()
{
    return QStringLiteral("Test znalostí     ") + DateTime::shortDateText(Clock::now());
}

void printAnswer(PrintLayout &layout, const QString &label, const QString &answer)
{
    layout.printText(label);
    layout.PrintWrapped(answer, PrintLineLength);
}

void printQuestionBlock(PrintLayout &layout, int slot)
{
    const Totazka &question = TestQuestions[slot];
    layout.printText(QStringLiteral("otázka č. %1").arg(slot));
    layout.PrintWrapped(question.wdotaz, PrintLineLength);
    layout.PrintNextLine();
    printAnswer(layout, QStringLiteral("Odpověď A"), question.wodp1);
    printAnswer(layout, QStringLiteral("Odpověď B"), question.wodp2);
    printAnswer(layout, QStringLiteral("Odpověď C"), question.wodp3);
    layout.PrintNextLine();
    layout.PrintRule();
    layout.PrintNextLine();
}

QString answerLetter(qint32 answerIndex)
{
    static const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    return answerIndex >= 0 && answerIndex <= 2 ? letters[answerIndex] : QStringLiteral("X");
}

QString keyEntry(const QString &lead, int slot)
{
    return lead + QString::number(slot) + QStringLiteral(" - ") + answerLetter(TestQuestions[slot].wcspravOdp);
}
}

void TForm2::BtnTiskClick()
{
    PrintTest();
}

void PrintTest()
{
    PrintJob job;
    if (!job.Begin())
        return;
    PrintLayout &layout = job.Layout();
    const int lastSlot = printedQuestionCount();
    int slot = 1;
    while (slot <= lastSlot) {
        layout.PrintPageSetup();
        layout.PrintPageHead(testTitle());
        // Every page takes at least one block, so a head reaching below the limit cannot
        // keep the printout from ending.
        do {
            printQuestionBlock(layout, slot);
            ++slot;
            layout.PrintNextLine();
        } while (slot <= lastSlot && layout.PrintArea().Top < PrintPageBottom);
        layout.PrintNextLine();
        layout.printTextAt(layout.PrintArea().Left + 60 * layout.letterWidth(QLatin1Char('M')),
                           QStringLiteral("Strana %1").arg(job.pageNumber()));
        job.NewPage();
    }
    job.End();
}

void PrintKey()
{
    PrintJob job;
    if (!job.Begin())
        return;
    PrintLayout &layout = job.Layout();
    layout.PrintPageSetup();
    layout.PrintPageHead(QStringLiteral("Otázky testu-klíč "));
    const int lastSlot = printedQuestionCount();
    for (int slot = 1; slot <= std::min(lastSlot, KeyLinesPerColumn); ++slot) {
        QString line = keyEntry(QStringLiteral("   otázka č. "), slot);
        if (slot + KeyLinesPerColumn <= lastSlot)
            line += keyEntry(QStringLiteral("       otázka č. "), slot + KeyLinesPerColumn);
        layout.printText(line);
        layout.PrintNextLine();
        layout.PrintNextLine();
    }
    layout.PrintNextLine();
    job.NewPage();
    job.End();
}
