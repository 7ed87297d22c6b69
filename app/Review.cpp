// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/AttemptRecording.h"
#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "testrun/AnswerEvaluation.h"

#include <QLabel>
#include <QPlainTextEdit>

// The description tells a screen reader what the colour shows.
void TForm2::colourIndicator(int question, TColor color, const QString &meaning)
{
    if (TAbLED *indicator = IndicatorAt(question - 1)) {
        indicator->LED()->SetColorOff(color);
        indicator->setAccessibleDescription(meaning);
    }
}

void TForm2::EvaluateTest()
{
    TestPhase = PhaseEvaluated;
    Label2->setText(QStringLiteral("Otázka číslo "));
    Label1->setText(QStringLiteral("Možné odpovědi na otázku"));
    for (QPlainTextEdit *box : memos())
        box->clear();
    const EvaluationCounts evaluation = evaluateAnswers(TestQuestions, QuestionCount);
    CorrectCount = evaluation.correct;
    WrongCount = evaluation.wrong;
    UnansweredCount = evaluation.unanswered;
    for (int n = 1; n <= QuestionCount; ++n) {
        switch (TestQuestions.at(n).wspravneodpovezeno) {
        case Unanswered:
            colourIndicator(n, UnansweredColor, QStringLiteral("neodpovězeno"));
            break;
        case AnsweredCorrectly:
            // The dark green of the original form, not the light CorrectColor of the markers.
            colourIndicator(n, clGreen, QStringLiteral("správně"));
            break;
        case AnsweredWrongly:
            colourIndicator(n, WrongColor, QStringLiteral("špatně"));
            break;
        default:
            break;
        }
    }
    HeaderControl1->setSectionText(StatusCounts, evaluationCountsText(evaluation));
    SuccessPercent = evaluation.percent;
    HeaderControl1->setSectionText(StatusSuccessRate, QStringLiteral("úspěšnost: %1%").arg(SuccessPercent));
    Panel11->show();
    m_recording->finish();
}

void TForm2::IndicatorClick(int n)
{
    if (n < 1 || n > TestCapacity)
        return;
    switch (TestPhase) {
    case PhaseRevisiting:
        RevisitQuestion(n);
        break;
    case PhaseEvaluated:
        ShowQuestion(n);
        Memo5->clear();
        Memo5->appendPlainText(TestQuestions.at(n).wkomentar);
        ShowReviewMarkers(n);
        break;
    default:
        break;
    }
}

void TForm2::ShowReviewMarkers(int n)
{
    const Totazka &question = TestQuestions.at(n);
    hideMarkers();
    const qint32 result = question.wspravneodpovezeno;
    if (result == Unanswered)
        showMarker(question.wcspravOdp, QStringLiteral("správná odpověď by byla"), UnansweredColor);
    if (result == AnsweredCorrectly || result == AnsweredWrongly)
        showMarker(question.wcspravOdp, QStringLiteral("správná odpověď"), CorrectColor);
    if (result == AnsweredWrongly)
        showMarker(question.wodpovezeno, QStringLiteral("vaše chybná odpověď"), WrongColor);
}

QLabel *TForm2::markerLabel(int answerIndex) const
{
    switch (answerIndex) {
    case 0:
        return Label12;
    case 1:
        return Label13;
    case 2:
        return Label14;
    default:
        return nullptr;
    }
}

void TForm2::hideMarkers()
{
    for (QLabel *marker : {Label12, Label13, Label14})
        marker->hide();
}

void TForm2::showMarker(int answerIndex, const QString &text, TColor color)
{
    QLabel *label = markerLabel(answerIndex);
    if (!label)
        return;
    label->setText(text);
    setTextColour(label, color);
    label->show();
}

void TForm2::BBVytestClick()
{
    EvaluateTest();
}

void TForm2::AbLEDClick(QObject *Sender)
{
    for (int i = 0; i < TestCapacity; ++i) {
        if (IndicatorAt(i) == Sender) {
            IndicatorClick(i + 1);
            return;
        }
    }
}
