// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/AttemptRecording.h"
#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/Messages.h"
#include "testrun/RunStep.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString EndMessage = QStringLiteral(
    "Test znalostí byl ukončen, bude provedeno vyhodnocení vašich odpovědí. "
    "Poklepem na barevnou značku zobrazíte správnou odpověď. ");

}

// Set whole, not appended as a line, which would scroll to the text's end: the reader starts
// at the first line.
void TForm2::showText(QPlainTextEdit *box, const QString &text)
{
    box->setPlainText(text);
}

void TForm2::setAnswerButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3})
        button->setEnabled(enabled);
}

void TForm2::setIndicatorChecked(int question, bool checked)
{
    if (TAbLED *indicator = IndicatorAt(question - 1))
        indicator->SetChecked(checked);
}

void TForm2::BBStestClick()
{
    if (!m_recording->prepare(this))
        return;
    AllAnswered = false;
    // What an earlier test left would show as time elapsed of this one before its first tick.
    RemainingTime = 0;
    // A test of 0 minutes would ask for a maximum of -1; it gets an empty bar instead.
    setProgressMaximum(runBarMaximum(TestDuration));
    Label1->setText(QStringLiteral("Zadejte prosím správnou odpověď"));
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    Memo4->clear();
    setAnswerButtonsEnabled(true);
    BBUtest->setEnabled(true);
    BBKtest->setEnabled(false);
    setTestActionsEnabled(false);
    // Every slot, so no earlier test's evaluation survives in a slot this test leaves unanswered.
    for (Totazka &question : TestQuestions)
        question.wspravneodpovezeno = Unanswered;
    TestStart = Clock::now();
    TestEnd = TestStart + TestDuration;
    TimerTest->start();
    CurrentQuestion = 1;
    ShowQuestion(1);
    setIndicatorChecked(1, true);
    m_recording->begin(Label5->text());
}

void TForm2::ShowQuestion(int n)
{
    const Totazka &question = TestQuestions.at(n);
    Label2->setText(QStringLiteral("Otázka číslo %1 / %2").arg(n).arg(QuestionCount));
    showText(Memo2, question.wdotaz);
    showText(Memo1, question.wodp1);
    showText(Memo3, question.wodp2);
    showText(Memo4, question.wodp3);
}

void TForm2::answer(qint32 answerIndex)
{
    TestQuestions.at(CurrentQuestion).wodpovezeno = answerIndex;
    RecordAnswer();
}

void TForm2::BitBtn1Click()
{
    answer(0);
}

void TForm2::BitBtn2Click()
{
    answer(1);
}

void TForm2::BitBtn3Click()
{
    answer(2);
}

void TForm2::RecordAnswer()
{
    Totazka &question = TestQuestions.at(CurrentQuestion);
    question.wspravneodpovezeno = answerResult(question.wodpovezeno, question.wcspravOdp);
    m_recording->answered(CurrentQuestion);
    const RunStep step = stepAfterAnswer(CurrentQuestion, QuestionCount, AllAnswered);
    CurrentQuestion = step.question;
    AllAnswered = step.allAnswered;
    if (!AllAnswered) {
        ShowQuestion(CurrentQuestion);
        setIndicatorChecked(CurrentQuestion, true);
    } else {
        setAnswerButtonsEnabled(false);
        TestPhase = PhaseRevisiting;
    }
    hideMarkers();
}

void TForm2::RevisitQuestion(int n)
{
    setAnswerButtonsEnabled(true);
    CurrentQuestion = n;
    ShowQuestion(n);
    hideMarkers();
    showMarker(TestQuestions.at(n).wodpovezeno, QStringLiteral("vaše odpověď"), AnswerColor);
}

void TForm2::TimerTestTimer()
{
    // A tick that was already on its way when the test ended must not end it twice.
    if (!TimerTest->isActive())
        return;
    const std::optional<TDateTime> remaining = remainingTime(Clock::now(), TestEnd);
    if (!remaining) {
        m_recording->setEnding(results::Ending::TimeUp);
        EndTest();
    } else {
        RemainingTime = *remaining;
        HeaderControl1->setSectionText(StatusTime, QStringLiteral("Zbývající čas: %1 / %2")
                                                       .arg(DateTime::longTimeText(RemainingTime),
                                                            DateTime::longTimeText(TestDuration)));
    }
    ProgressBar1->setValue(elapsedBarPosition(TestDuration, RemainingTime, ProgressBar1->maximum()));
}

void TForm2::BBUtestClick()
{
    m_recording->setEnding(results::Ending::Ended);
    EndTest();
}

void TForm2::EndTest()
{
    // Stopped before the message, so no tick arrives while it or the evaluation is shown.
    TimerTest->stop();
    BBVytest->setEnabled(true);
    setAnswerButtonsEnabled(false);
    BBUtest->setEnabled(false);
    BBKtest->setEnabled(true);
    BtnTisk->setEnabled(true);
    BtnTiskKlic->setEnabled(true);
    for (int i = 0; i < TestCapacity; ++i)
        setIndicatorChecked(i + 1, false);
    Messages::show(EndMessage);
    EvaluateTest();
}
