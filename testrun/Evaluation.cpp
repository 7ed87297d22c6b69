// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "testrun/AnswerEvaluation.h"
#include "testrun/Markers.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

// The description tells a screen reader what the colour shows.
void colourIndicator(const TForm2 &form, int question, TColor color, const QString &meaning)
{
    if (TAbLED *indicator = form.IndicatorAt(question - 1)) {
        indicator->LED()->SetColorOff(color);
        indicator->setAccessibleDescription(meaning);
    }
}

}

void TForm2::EvaluateTest()
{
    TestPhase = PhaseEvaluated;
    Label2->setText(QStringLiteral("Otázka číslo "));
    Label1->setText(QStringLiteral("Možné odpovědi na otázku"));
    for (QPlainTextEdit *box : {Memo1, Memo2, Memo3, Memo4, Memo5})
        box->clear();
    const EvaluationCounts evaluation = evaluateAnswers(TestQuestions, QuestionCount);
    CorrectCount = evaluation.correct;
    WrongCount = evaluation.wrong;
    UnansweredCount = evaluation.unanswered;
    for (int n = 1; n <= QuestionCount; ++n) {
        switch (TestQuestions.at(n).wspravneodpovezeno) {
        case Unanswered:
            colourIndicator(*this, n, UnansweredColor, QStringLiteral("neodpovězeno"));
            break;
        case AnsweredCorrectly:
            // The dark green of the original form, not the light CorrectColor of the markers.
            colourIndicator(*this, n, clGreen, QStringLiteral("správně"));
            break;
        case AnsweredWrongly:
            colourIndicator(*this, n, WrongColor, QStringLiteral("špatně"));
            break;
        default:
            break;
        }
    }
    QString counts = QStringLiteral("správně: %1   špatně: %2").arg(CorrectCount).arg(WrongCount);
    if (UnansweredCount > 0)
        counts += QStringLiteral("   neodpovězeno: %1").arg(UnansweredCount);
    HeaderControl1->setSectionText(3, counts);
    SuccessPercent = evaluation.percent;
    HeaderControl1->setSectionText(2, QStringLiteral("úspěšnost: %1%").arg(SuccessPercent));
    Panel11->show();
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
    Markers::hideAll(*this);
    const qint32 result = question.wspravneodpovezeno;
    if (result == Unanswered)
        Markers::show(*this, question.wcspravOdp, QStringLiteral("správná odpověď by byla"),
                      UnansweredColor);
    if (result == AnsweredCorrectly || result == AnsweredWrongly)
        Markers::show(*this, question.wcspravOdp, QStringLiteral("správná odpověď"), CorrectColor);
    if (result == AnsweredWrongly)
        Markers::show(*this, question.wodpovezeno, QStringLiteral("vaše chybná odpověď"),
                      WrongColor);
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
