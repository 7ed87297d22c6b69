// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "print/PrintLayout.h"
#include "print/Printout.h"

PrintFormat TForm2::printFormat() const
{
    return {PrinterLeftMargin, PrintLineLength, TestCode, font()};
}

void TForm2::BtnTiskClick()
{
    PrintTest(TestQuestions, QuestionCount, printFormat(), this);
}

void TForm2::printKey()
{
    PrintKey(TestQuestions, QuestionCount, printFormat(), this);
}
