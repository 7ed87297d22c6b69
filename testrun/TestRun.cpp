// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "platform/Clock.h"
#include "platform/DateTime.h"
#include "platform/Messages.h"
#include "testrun/Markers.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

void setAnswerButtonsEnabled(const TForm2 &form, bool enabled)
{
    form.BitBtn1->setEnabled(enabled);
    form.BitBtn2->setEnabled(enabled);
    form.BitBtn3->setEnabled(enabled);
}

void setIndicatorChecked(const TForm2 &form, int question, bool checked)
{
    if (TAbLED *indicator = form.IndicatorAt(question - 1))
        indicator->SetChecked(checked);
}

void setBoxLine(QPlainTextEdit *box, const QString &text)
{
    box->clear();
    box->appendPlainText(text);
}

void answer(TForm2 &form, qint32 answerIndex)
{
    TestQuestions.at(CurrentQuestion).wodpovezeno = answerIndex;
    form.RecordAnswer();
}

// The bar's position is the whole seconds elapsed; a value past the maximum shows a full bar
// (QProgressBar would ignore it instead).
void showElapsed(const TForm2 &form)
{
    const int elapsed = TimeToSeconds(TestDuration - RemainingTime);
    form.ProgressBar1->setValue(qBound(0, elapsed, form.ProgressBar1->maximum()));
}

const QString EndMessage = QStringLiteral(
    "Test znalostí byl ukončen, bude provedeno vyhodnocení vašich odpovědí. "
    "Poklepem na barevnou značku zobrazíte správnou odpověď. ");

}

void TForm2::BBStestClick()
{
    AllAnswered = false;
    // A test of 0 minutes would ask for a maximum of -1; it gets an empty bar instead.
    setProgressMaximum(TimeToSeconds(TestDuration) - 1);
    Label1->setText(QStringLiteral("Zadejte prosím správnou odpověď"));
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    Memo4->clear();
    setAnswerButtonsEnabled(*this, true);
    BBUtest->setEnabled(true);
    BBKtest->setEnabled(false);
    BtnTisk->setEnabled(false);
    BtnTiskKlic->setEnabled(false);
    BBStest->setEnabled(false);
    // Every slot, so no earlier test's evaluation survives in a slot this test leaves unanswered.
    for (Totazka &question : TestQuestions)
        question.wspravneodpovezeno = Unanswered;
    TestStart = Clock::now();
    TestEnd = TestStart + TestDuration;
    TimerTest->start();
    CurrentQuestion = 1;
    ShowQuestion(1);
    setIndicatorChecked(*this, 1, true);
}

void TForm2::ShowQuestion(int n)
{
    const Totazka &question = TestQuestions.at(n);
    Label2->setText(QStringLiteral("Otázka číslo %1 / %2").arg(n).arg(QuestionCount));
    setBoxLine(Memo2, question.wdotaz);
    setBoxLine(Memo1, question.wodp1);
    setBoxLine(Memo3, question.wodp2);
    setBoxLine(Memo4, question.wodp3);
}

void TForm2::BitBtn1Click()
{
    answer(*this, 0);
}

void TForm2::BitBtn2Click()
{
    answer(*this, 1);
}

void TForm2::BitBtn3Click()
{
    answer(*this, 2);
}

void TForm2::RecordAnswer()
{
    Totazka &question = TestQuestions.at(CurrentQuestion);
    question.wspravneodpovezeno = question.wodpovezeno == question.wcspravOdp ? AnsweredCorrectly : AnsweredWrongly;
    if (!AllAnswered)
        ++CurrentQuestion;
    if (CurrentQuestion <= QuestionCount && !AllAnswered) {
        ShowQuestion(CurrentQuestion);
        setIndicatorChecked(*this, CurrentQuestion, true);
    } else {
        AllAnswered = true;
        setAnswerButtonsEnabled(*this, false);
        TestPhase = PhaseRevisiting;
    }
    Markers::hideAll(*this);
}

void TForm2::RevisitQuestion(int n)
{
    setAnswerButtonsEnabled(*this, true);
    CurrentQuestion = n;
    ShowQuestion(n);
    Markers::hideAll(*this);
    Markers::show(*this, TestQuestions.at(n).wodpovezeno, QStringLiteral("vaše odpověď"),
                  AnswerColor);
}

void TForm2::TimerTestTimer()
{
    // A tick that was already on its way when the test ended must not end it twice.
    if (!TimerTest->isActive())
        return;
    const TDateTime now = Clock::now();
    if (now > TestEnd) {
        TimerTest->stop();
        BBVytest->setEnabled(true);
        setAnswerButtonsEnabled(*this, false);
        EndTest();
    } else {
        RemainingTime = TestEnd - now;
        HeaderControl1->setSectionText(0, QStringLiteral("Zbývající čas: %1 / %2")
                                              .arg(DateTime::longTimeText(RemainingTime),
                                                   DateTime::longTimeText(TestDuration)));
    }
    showElapsed(*this);
}

void TForm2::BBUtestClick()
{
    EndTest();
}

void TForm2::EndTest()
{
    // Stopped before the message, so no tick arrives while it or the evaluation is shown.
    TimerTest->stop();
    BBVytest->setEnabled(true);
    setAnswerButtonsEnabled(*this, false);
    BBUtest->setEnabled(false);
    BBKtest->setEnabled(true);
    BtnTisk->setEnabled(true);
    BtnTiskKlic->setEnabled(true);
    for (int i = 0; i < TestCapacity; ++i)
        setIndicatorChecked(*this, i + 1, false);
    Messages::show(EndMessage);
    EvaluateTest();
}
