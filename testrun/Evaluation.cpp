#include "app/Unit2.h"

#include "app/HeaderControl.h"
#include "indicators/AbLED.h"
#include "testrun/Markers.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

// 100 × correct / total to the nearest integer, an exact half to the even neighbour. Integer
// arithmetic keeps the quotient exact (15 of 24 is 62, where a rounded 100 / 24 gives 63).
// No questions means nothing was answered correctly: 0 %.
qint32 successPercent(qint32 correct, qint32 total)
{
    if (total <= 0)
        return 0;
    const qint64 scaled = 100LL * correct;
    qint64 quotient = scaled / total;
    const qint64 twiceRemainder = 2 * (scaled % total);
    if (twiceRemainder > total || (twiceRemainder == total && quotient % 2 != 0))
        ++quotient;
    return static_cast<qint32>(quotient);
}

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
    TestPhase = 2;
    Label2->setText(QStringLiteral("Otázka číslo "));
    Label1->setText(QStringLiteral("Možné odpovědi na otázku"));
    for (QPlainTextEdit *box : {Memo1, Memo2, Memo3, Memo4, Memo5})
        box->clear();
    CorrectCount = 0;
    WrongCount = 0;
    UnansweredCount = 0;
    for (int n = 1; n <= QuestionCount; ++n) {
        switch (TestQuestions.at(n).wspravneodpovezeno) {
        case 0:
            ++UnansweredCount;
            colourIndicator(*this, n, UnansweredColor, QStringLiteral("neodpovězeno"));
            break;
        case 1:
            ++CorrectCount;
            colourIndicator(*this, n, clGreen, QStringLiteral("správně"));
            break;
        case 2:
            ++WrongCount;
            colourIndicator(*this, n, WrongColor, QStringLiteral("špatně"));
            break;
        default:
            break;
        }
    }
    QString counts = QStringLiteral("správně: %1   špatně: %2").arg(CorrectCount).arg(WrongCount);
    if (UnansweredCount > 0)
        counts += QStringLiteral("   neodpovězeno: %1").arg(UnansweredCount);
    HeaderControl1->SetSectionText(3, counts);
    SuccessPercent = successPercent(CorrectCount, QuestionCount);
    HeaderControl1->SetSectionText(2, QStringLiteral("úspěšnost: %1%").arg(SuccessPercent));
    Panel11->show();
}

void TForm2::IndicatorClick(int n)
{
    if (n < 1 || n > 30)
        return;
    switch (TestPhase) {
    case 1:
        RevisitQuestion(n);
        break;
    case 2:
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
    Markers::HideAll(*this);
    const qint32 result = question.wspravneodpovezeno;
    if (result == 0)
        Markers::Show(*this, question.wcspravOdp, QStringLiteral("správná odpověď by byla"),
                      UnansweredColor);
    if (result == 1 || result == 2)
        Markers::Show(*this, question.wcspravOdp, QStringLiteral("správná odpověď"), CorrectColor);
    if (result == 2)
        Markers::Show(*this, question.wodpovezeno, QStringLiteral("vaše chybná odpověď"),
                      WrongColor);
}

QLabel *TForm2::MarkerLabel(int answerIndex) const
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
    for (int i = 0; i < 30; ++i) {
        if (IndicatorAt(i) == Sender) {
            IndicatorClick(i + 1);
            return;
        }
    }
}
