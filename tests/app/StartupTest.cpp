#include "common/WindowFixture.h"

#include "app/HeaderControl.h"
#include "app/Unit2.h"
#include "indicators/AbLED.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using StartupTest = WindowFixture;

TEST_F(StartupTest, IndicatorsAreCollectedInOrderAndStayHidden)
{
    TForm2 *form = CreateWindow(MakeBankRecords(50, 40, 30));
    for (int i = 0; i < 30; ++i) {
        TAbLED *indicator = form->IndicatorAt(i);
        ASSERT_NE(indicator, nullptr) << i;
        EXPECT_EQ(indicator->objectName(), QStringLiteral("AbLED%1").arg(i + 1));
        EXPECT_EQ(indicator->Caption(), QString::number(i + 1));
        EXPECT_FALSE(indicator->isVisibleTo(form)) << i;
        EXPECT_FALSE(indicator->Checked()) << i;
        EXPECT_EQ(indicator->LED()->ColorOff(), clSilver) << i;
        EXPECT_EQ(indicator->LED()->ColorOn(), clAqua) << i;
        EXPECT_EQ(indicator->Mode(), mButton) << i;
        EXPECT_EQ(indicator->LED_Position(), lpTop) << i;
        EXPECT_EQ(indicator->Spacing(), 1) << i;
        EXPECT_EQ(indicator->y(), 5) << i;
        EXPECT_EQ(indicator->size(), QSize(20, 30)) << i;
    }
    EXPECT_EQ(form->IndicatorAt(30), nullptr);
    EXPECT_EQ(form->IndicatorAt(-1), nullptr);
}
