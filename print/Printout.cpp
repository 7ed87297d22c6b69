// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Printout.h"

#include "bank/TestSize.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"

#include <algorithm>

namespace {
constexpr int KeyLinesPerColumn = 15;

// Only the questions of the current test are printed; slots beyond it hold no question.
int printedQuestionCount(qint32 questionCount)
{
    return std::clamp(questionCount, 0, TestCapacity);
}

QString testTitle()
{
    return QStringLiteral("Test znalostí     ") + DateTime::shortDateText(Clock::now());
}

void printAnswer(PrintLayout &layout, const QString &label, const QString &answer)
{
    layout.printText(label);
    layout.PrintWrapped(answer, layout.format().lineLength);
}

void printQuestionBlock(PrintLayout &layout, const Totazka &question, int slot)
{
    layout.printText(QStringLiteral("otázka č. %1").arg(slot));
    layout.PrintWrapped(question.wdotaz, layout.format().lineLength);
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

QString keyEntry(const QString &lead, const std::array<Totazka, QuestionSlots> &questions, int slot)
{
    return lead + QString::number(slot) + QStringLiteral(" - ") + answerLetter(questions[slot].wcspravOdp);
}
}

void PrintTest(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount,
               const PrintFormat &format, QWidget *dialogParent)
{
    PrintJob job;
    if (!job.Begin(dialogParent, format))
        return;
    PrintLayout &layout = job.Layout();
    const int lastSlot = printedQuestionCount(questionCount);
    int slot = 1;
    while (slot <= lastSlot) {
        // A page is begun only for questions still to come, so no empty sheet ends the printout.
        if (slot > 1)
            job.NewPage();
        layout.PrintPageSetup();
        layout.PrintPageHead(testTitle());
        // Every page takes at least one block, so a head reaching below the limit cannot
        // keep the printout from ending.
        do {
            printQuestionBlock(layout, questions[slot], slot);
            ++slot;
            layout.PrintNextLine();
        } while (slot <= lastSlot && layout.PrintArea().Top < PrintPageBottom);
        layout.PrintNextLine();
        layout.printTextAt(layout.PrintArea().Left + 60 * layout.letterWidth(QLatin1Char('M')),
                           QStringLiteral("Strana %1").arg(job.pageNumber()));
    }
    job.End();
}

void PrintKey(const std::array<Totazka, QuestionSlots> &questions, qint32 questionCount,
              const PrintFormat &format, QWidget *dialogParent)
{
    PrintJob job;
    if (!job.Begin(dialogParent, format))
        return;
    PrintLayout &layout = job.Layout();
    layout.PrintPageSetup();
    layout.PrintPageHead(QStringLiteral("Otázky testu-klíč "));
    const int lastSlot = printedQuestionCount(questionCount);
    for (int slot = 1; slot <= std::min(lastSlot, KeyLinesPerColumn); ++slot) {
        QString line = keyEntry(QStringLiteral("   otázka č. "), questions, slot);
        if (slot + KeyLinesPerColumn <= lastSlot)
            line += keyEntry(QStringLiteral("       otázka č. "), questions, slot + KeyLinesPerColumn);
        layout.printText(line);
        layout.PrintNextLine();
        layout.PrintNextLine();
    }
    job.End();
}
