// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsTestFixture.h"

#include "app/Unit2.h"

#include <QPlainTextEdit>
#include <ostream>

namespace {

using SettingsStepTest = SettingsTestFixture;

struct StoredMinutes
{
    const char *ini;
    qint32 minutes;
};

// Names the case by its key line, not by the struct's bytes.
void PrintTo(const StoredMinutes &stored, std::ostream *out)
{
    *out << QString::fromUtf8(stored.ini).section(QLatin1Char('\n'), 1, 1).toStdString();
}

class SettingsStepMinutesTest : public SettingsTestFixture, public ::testing::WithParamInterface<StoredMinutes>
{
};

TEST_P(SettingsStepMinutesTest, TestLengthIsWhatATimeOfDayCanHold)
{
    CreateWindowWithSettings(GetParam().ini);
    EXPECT_EQ(TestMinutes, GetParam().minutes);
    EXPECT_EQ(TimeToSeconds(TestDuration), GetParam().minutes * 60);
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(StoredValues, SettingsStepMinutesTest,
                         ::testing::Values(StoredMinutes{"[Test]\nDobaTestu=0\n", 0},
                                           StoredMinutes{"[Test]\nDobaTestu=59\n", 59},
                                           StoredMinutes{"[Test]\nDobaTestu=60\n", 30},
                                           StoredMinutes{"[Test]\nDobaTestu=1440\n", 30},
                                           StoredMinutes{"[Test]\nDobaTestu=-1\n", 30},
                                           StoredMinutes{"[Test]\nDobaTestu=zítra\n", 30}));

TEST_F(SettingsStepTest, FontSizeIndexOutsideTheItemsKeepsNoSizeButShowsTenPoints)
{
    TForm2 *form = CreateWindowWithSettings("[Test]\nIVelPisOt=5\n");
    EXPECT_EQ(FontSizeIndex, 5);
    EXPECT_EQ(TextFontSize, 0);
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        EXPECT_EQ(memo->font().pointSize(), 10) << memo->objectName().toStdString();
}

TEST_F(SettingsStepTest, DamagedFileGivesTheDefaultsAndIsNotTouched)
{
    const char raw[] = "\x00\xff[Test\nDobaTestu\n[[Tisk]]\nLokrTisk=1e3\n\x1b=\x07";
    const QByteArray damaged(raw, sizeof raw - 1);
    CreateWindowWithSettings(damaged);
    EXPECT_EQ(TestMinutes, 30);
    EXPECT_EQ(PrinterLeftMargin, 10);
    EXPECT_EQ(FontSizeIndex, 1);
    EXPECT_EQ(TextFontSize, 10);
    EXPECT_EQ(settingsFileContents(), damaged);
    EXPECT_TRUE(messages.isEmpty());
}

}
