// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunFixture.h"

#include "app/Unit2.h"
#include "indicators/AbLED.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <ostream>
#include <string>

using Evaluation = RunFixture;

TEST_F(Evaluation, ReviewMarksCorrectWrongAndUnansweredQuestions)
{
    openWindow(50, 40, 30);
    generateAndStart();
    answerCurrent(true);
    answerCurrent(false);
    click(window->BBUtest);
    EXPECT_EQ(section(3), QStringLiteral("správně: 1   špatně: 1   neodpovězeno: 28"));
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: 3%"));
    EXPECT_EQ(indicatorColour(1), clGreen);
    EXPECT_EQ(indicatorColour(2), clRed);
    for (int n = 3; n <= 30; ++n)
        EXPECT_EQ(indicatorColour(n), clBlue) << n;

    clickIndicator(1);
    const Totazka &first = TestQuestions[1];
    EXPECT_FALSE(indicatorChecked(1));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("Otázka číslo 1 / 30"));
    EXPECT_EQ(window->Memo2->toPlainText(), first.wdotaz);
    EXPECT_EQ(window->Memo4->toPlainText(), first.wodp3);
    EXPECT_EQ(window->Memo5->toPlainText(), first.wkomentar);
    EXPECT_EQ(shownMarker(first.wcspravOdp), QStringLiteral("správná odpověď"));
    EXPECT_EQ(textColour(window->markerLabel(first.wcspravOdp)), QColor(0, 255, 0));
    EXPECT_TRUE(shownMarker((first.wcspravOdp + 1) % 3).isEmpty());
    EXPECT_TRUE(shownMarker((first.wcspravOdp + 2) % 3).isEmpty());

    clickIndicator(2);
    const Totazka &second = TestQuestions[2];
    EXPECT_EQ(window->Memo5->toPlainText(), second.wkomentar);
    EXPECT_EQ(shownMarker(second.wcspravOdp), QStringLiteral("správná odpověď"));
    EXPECT_EQ(shownMarker(second.wodpovezeno), QStringLiteral("vaše chybná odpověď"));
    EXPECT_EQ(textColour(window->markerLabel(second.wodpovezeno)), QColor(255, 0, 0));
    EXPECT_TRUE(shownMarker(3 - second.wcspravOdp - second.wodpovezeno).isEmpty());

    clickIndicator(3);
    const Totazka &third = TestQuestions[3];
    EXPECT_EQ(shownMarker(third.wcspravOdp), QStringLiteral("správná odpověď by byla"));
    EXPECT_EQ(textColour(window->markerLabel(third.wcspravOdp)), QColor(0, 0, 255));
    EXPECT_TRUE(shownMarker((third.wcspravOdp + 1) % 3).isEmpty());
    EXPECT_TRUE(shownMarker((third.wcspravOdp + 2) % 3).isEmpty());
    // The review neither moves the answering position nor opens the answer buttons.
    EXPECT_EQ(CurrentQuestion, 3);
    EXPECT_FALSE(window->BitBtn1->isEnabled());
}

TEST_F(Evaluation, RevisitMarkerStaysUntilTheFirstReview)
{
    openWindow(50, 40, 30);
    generateAndStart();
    for (int n = 1; n <= 30; ++n)
        answerCurrent(true);
    clickIndicator(7);
    const int given = TestQuestions[7].wodpovezeno;
    click(window->BBUtest);
    EXPECT_EQ(section(3), QStringLiteral("správně: 30   špatně: 0"));
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: 100%"));
    EXPECT_EQ(shownMarker(given), QStringLiteral("vaše odpověď"));
    EXPECT_TRUE(window->Memo1->toPlainText().isEmpty());

    clickIndicator(8);
    const int correct = TestQuestions[8].wcspravOdp;
    for (int k = 0; k <= 2; ++k)
        EXPECT_EQ(shownMarker(k), k == correct ? QStringLiteral("správná odpověď") : QString()) << k;
}

TEST_F(Evaluation, IndicatorsBeyondTheTestStayHiddenAndSilver)
{
    openWindow(5, 4, 4);
    ASSERT_EQ(QuestionCount, 8);
    generateAndStart();
    click(window->BBUtest);
    for (int n = 1; n <= 30; ++n) {
        EXPECT_EQ(window->IndicatorAt(n - 1)->isVisibleTo(window.get()), n <= 8) << n;
        EXPECT_EQ(indicatorColour(n), n <= 8 ? clBlue : clSilver) << n;
    }
}

TEST_F(Evaluation, NoQuestionsGiveASuccessRateOfZero)
{
    openWindow(2, 2, 1);
    ASSERT_EQ(QuestionCount, 0);
    window->BBVytestClick();
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: 0%"));
    EXPECT_EQ(section(3), QStringLiteral("správně: 0   špatně: 0"));
    EXPECT_EQ(TestPhase, 2);
}

struct RateCase
{
    int g1, g2, g3;
    int questions;
    int correct;
    int percent;
};

void PrintTo(const RateCase &rate, std::ostream *out)
{
    *out << rate.correct << " of " << rate.questions << " correct";
}

class SuccessRate : public RunFixture, public ::testing::WithParamInterface<RateCase>
{
};

TEST_P(SuccessRate, IsRoundedHalfToEven)
{
    const RateCase rate = GetParam();
    openWindow(rate.g1, rate.g2, rate.g3);
    ASSERT_EQ(QuestionCount, rate.questions);
    generateAndStart();
    for (int n = 1; n <= rate.correct; ++n)
        answerCurrent(true);
    click(window->BBUtest);
    EXPECT_EQ(section(2), QStringLiteral("úspěšnost: %1%").arg(rate.percent));
}

INSTANTIATE_TEST_SUITE_P(Evaluation, SuccessRate,
                         ::testing::Values(RateCase{50, 40, 30, 30, 1, 3},
                                           RateCase{50, 40, 30, 30, 2, 7},
                                           RateCase{50, 40, 30, 30, 15, 50},
                                           RateCase{50, 40, 30, 30, 29, 97},
                                           RateCase{5, 4, 4, 8, 1, 12},
                                           RateCase{5, 4, 4, 8, 3, 38},
                                           RateCase{10, 10, 9, 24, 15, 62}),
                         [](const ::testing::TestParamInfo<RateCase> &info) {
                             return "Correct" + std::to_string(info.param.correct) + "Of"
                                 + std::to_string(info.param.questions);
                         });
