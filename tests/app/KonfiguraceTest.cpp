// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/EnforcedPermissions.h"
#include "ModalDriver.h"
#include "SettingsTestFixture.h"

#include "app/HeaderControl.h"
#include "app/Unit2.h"
#include "platform/core/DateTime.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class KonfiguraceTest : public SettingsTestFixture
{
protected:
    // Opens the dialog through the main window's button and runs the action in it.
    void openKonfig(std::function<void()> action)
    {
        whenShown(FrmKonfig, std::move(action));
        QTest::mouseClick(window->BBKtest, Qt::LeftButton);
    }

    // A dialog shown without a modal loop, for typing, over the window's settings.
    TFrmKonfig *showKonfig()
    {
        FrmKonfig->setValues({TestMinutes, PrinterLeftMargin, FontSizeIndex}, SettingsFile.get());
        FrmKonfig->show();
        return FrmKonfig;
    }

    static void replaceText(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    QRadioButton *radioItem(int index) const
    {
        return FrmKonfig->RadioGroup1->findChildren<QRadioButton *>().at(index);
    }

    static QString headerTextFor(int minutes)
    {
        return QStringLiteral("Čas testu: ") + DateTime::longTimeText(minutes / 1440.0);
    }
};

TEST_F(KonfiguraceTest, TabOrderRunsFromMinutesToPasswordButton)
{
    CreateWindowWithSettings();
    TFrmKonfig *dialog = showKonfig();
    const QList<QWidget *> expected = {dialog->Edit1, dialog->BitBtn1, dialog->BitBtn2, radioItem(0),
                                       radioItem(1),  radioItem(2),    dialog->Edit2,   dialog->BitBtn3};
    QList<QWidget *> chain;
    QWidget *widget = dialog->Edit1;
    do {
        if (expected.contains(widget))
            chain.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != dialog->Edit1);
    EXPECT_EQ(chain, expected);
}

TEST_F(KonfiguraceTest, ActivationFillsTheControlsFromTheSettings)
{
    CreateWindowWithSettings("[Test]\nDobaTestu=45\nIVelPisOt=0\n[Tisk]\nLokrTisk=4\n");
    TFrmKonfig *dialog = showKonfig();
    EXPECT_EQ(dialog->Edit1->text(), "45");
    EXPECT_EQ(dialog->Edit2->text(), "4");
    EXPECT_TRUE(radioItem(0)->isChecked());
    dialog->hide();

    for (const auto &[index, shown] : {std::pair{2, 2}, {1, 1}, {7, 2}, {-4, -1}}) {
        dialog->setValues({45, 4, index}, nullptr);
        dialog->show();
        EXPECT_EQ(dialog->RadioGroup1ItemIndex(), shown) << index;
        for (int item = 0; item < 3; ++item)
            EXPECT_EQ(radioItem(item)->isChecked(), item == shown) << index;
        dialog->hide();
    }
}

TEST_F(KonfiguraceTest, MinutesAboveFiftyOrEmptyGoBackToThirty)
{
    CreateWindowWithSettings();
    TFrmKonfig *dialog = showKonfig();
    dialog->Edit1->clear();
    QTest::keyClick(dialog->Edit1, Qt::Key_5);
    EXPECT_EQ(dialog->Edit1->text(), "5");
    QTest::keyClick(dialog->Edit1, Qt::Key_1);
    EXPECT_EQ(dialog->Edit1->text(), "30");

    replaceText(dialog->Edit1, "50");
    EXPECT_EQ(dialog->Edit1->text(), "50");

    dialog->Edit1->end(false);
    QTest::keyClick(dialog->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(dialog->Edit1->text(), "5");
    QTest::keyClick(dialog->Edit1, Qt::Key_Backspace);
    EXPECT_EQ(dialog->Edit1->text(), "30");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(beeps, 0);
}

TEST_F(KonfiguraceTest, KeyReleaseInTheMarginFieldChecksTheMinutes)
{
    CreateWindowWithSettings();
    TFrmKonfig *dialog = showKonfig();
    dialog->Edit1->setText("77");
    replaceText(dialog->Edit2, "123456");
    EXPECT_EQ(dialog->Edit1->text(), "30");
    EXPECT_EQ(dialog->Edit2->text(), "123456") << "the margin has no check of its own";
}

TEST_F(KonfiguraceTest, OnlyDigitsAndBackspaceReachTheEdits)
{
    CreateWindowWithSettings();
    TFrmKonfig *dialog = showKonfig();
    for (QLineEdit *edit : {dialog->Edit1, dialog->Edit2}) {
        replaceText(edit, "12");
        beeps = 0;
        QTest::keyClicks(edit, "a-+ ,.");
        EXPECT_EQ(edit->text(), "12") << edit->objectName().toStdString();
        EXPECT_EQ(beeps, 6);

        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Delete);
        EXPECT_EQ(edit->text(), "2") << "Delete types no character and edits";
        // The X11 key event of Delete carries the DEL character as its text.
        replaceText(edit, "12");
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QChar(0x7f), Qt::NoModifier);
        EXPECT_EQ(edit->text(), "2") << "Delete with its X11 text still edits";
        EXPECT_EQ(beeps, 6);
    }
}

TEST_F(KonfiguraceTest, ClipboardShortcutsAreRefusedWithABeep)
{
    CreateWindowWithSettings();
    TFrmKonfig *dialog = showKonfig();
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    dialog->Edit2->setText("12");
    dialog->Edit2->selectAll();
    const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> shortcuts = {
        {Qt::Key_V, Qt::ControlModifier},  {Qt::Key_Insert, Qt::ShiftModifier}, {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier}, {Qt::Key_C, Qt::ControlModifier},  {Qt::Key_Z, Qt::ControlModifier}};
    for (const auto &[key, modifiers] : shortcuts)
        QTest::keyClick(dialog->Edit2, key, modifiers);
    EXPECT_EQ(dialog->Edit2->text(), "12");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x9")) << "nothing was copied or cut";
    EXPECT_EQ(beeps, int(shortcuts.size()));
    EXPECT_EQ(dialog->Edit2->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(dialog->Edit2->acceptDrops());
}

TEST_F(KonfiguraceTest, EnterPressesOkAndEscapeGoesBack)
{
    CreateWindowWithSettings();
    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "20");
        QTest::keyClick(FrmKonfig->Edit1, Qt::Key_Return);
    });
    EXPECT_EQ(TestMinutes, 20);
    EXPECT_EQ(beeps, 0);

    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "40");
        QTest::keyClick(FrmKonfig->Edit1, Qt::Key_Escape);
    });
    EXPECT_EQ(TestMinutes, 20);
    EXPECT_EQ(beeps, 0);
}

TEST_F(KonfiguraceTest, OkTakesTheValuesOverAndStoresThem)
{
    TForm2 *form = CreateWindowWithSettings("; margin of the printer\n[tisk]\nlokrtisk=7\n");
    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "45");
        replaceText(FrmKonfig->Edit2, "12");
        QTest::mouseClick(radioItem(2), Qt::LeftButton);
        QTest::mouseClick(FrmKonfig->BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(FrmKonfig->result(), QDialog::Accepted);
    EXPECT_EQ(TestMinutes, 45);
    EXPECT_EQ(TimeToSeconds(TestDuration), 45 * 60);
    EXPECT_EQ(PrinterLeftMargin, 12);
    EXPECT_EQ(FontSizeIndex, 2);
    EXPECT_EQ(TextFontSize, 12);
    EXPECT_EQ(form->HeaderControl1->sectionText(0), headerTextFor(45));
    for (QPlainTextEdit *memo : {form->Memo1, form->Memo2, form->Memo3, form->Memo4, form->Memo5})
        EXPECT_EQ(memo->font().pointSize(), 12) << memo->objectName().toStdString();

    EXPECT_EQ(settingsValues("DobaTestu"), QStringList{"45"});
    EXPECT_EQ(settingsValues("LOkrTisk"), QStringList{"12"}) << "the lower-case key is replaced";
    EXPECT_EQ(settingsValues("IVelPisOt"), QStringList{"2"});
    EXPECT_TRUE(settingsFileContents().contains("; margin of the printer"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(KonfiguraceTest, BackStoresNothingAndTheNextOpeningShowsTheStoredValues)
{
    const QByteArray ini = "[Test]\nDobaTestu=25\nIVelPisOt=1\n[Tisk]\nLokrTisk=6\n";
    TForm2 *form = CreateWindowWithSettings(ini);
    const QString headerBefore = form->HeaderControl1->sectionText(0);
    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "12");
        replaceText(FrmKonfig->Edit2, "3");
        QTest::mouseClick(radioItem(0), Qt::LeftButton);
        QTest::mouseClick(FrmKonfig->BitBtn2, Qt::LeftButton);
    });
    EXPECT_EQ(FrmKonfig->result(), QDialog::Rejected);
    EXPECT_EQ(settingsFileContents(), ini);
    EXPECT_EQ(TestMinutes, 25);
    EXPECT_EQ(PrinterLeftMargin, 6);
    EXPECT_EQ(FontSizeIndex, 1);
    EXPECT_EQ(form->HeaderControl1->sectionText(0), headerBefore);
    EXPECT_EQ(form->Memo2->font().pointSize(), 10);

    openKonfig([this] {
        EXPECT_EQ(FrmKonfig->Edit1->text(), "25");
        EXPECT_EQ(FrmKonfig->Edit2->text(), "6");
        EXPECT_TRUE(radioItem(1)->isChecked());
        FrmKonfig->reject();
    });
}

class KonfiguraceBadMarginTest : public KonfiguraceTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(KonfiguraceBadMarginTest, OkChangesNothingAndShowsTheConversionError)
{
    TForm2 *form = CreateWindowWithSettings();
    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "40");
        replaceText(FrmKonfig->Edit2, QString::fromLatin1(GetParam()));
        QTest::mouseClick(FrmKonfig->BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(FrmKonfig->result(), QDialog::Accepted) << "the dialog closes as after any OK";
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(TestMinutes, 30);
    EXPECT_EQ(TimeToSeconds(TestDuration), 1800);
    EXPECT_EQ(PrinterLeftMargin, 10);
    EXPECT_NE(form->HeaderControl1->sectionText(0), headerTextFor(40));
    EXPECT_FALSE(settingsFileExists());
}

INSTANTIATE_TEST_SUITE_P(EmptyOrBeyondRange, KonfiguraceBadMarginTest, ::testing::Values("", "99999999999"));

TEST_F(KonfiguraceTest, RefusedWriteIsShownAndLeavesTheFileAsItWas)
{
    const QByteArray ini = "[Test]\nDobaTestu=25\n";
    CreateWindowWithSettings(ini);
    const QString directory = programDir();
    // Neither a new file beside it nor the file itself may be written.
    ASSERT_TRUE(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(directory + "Test.ini", QFile::ReadOwner));
    openKonfig([this] {
        replaceText(FrmKonfig->Edit1, "15");
        EnforcedPermissions enforced;
        QTest::mouseClick(FrmKonfig->BitBtn1, Qt::LeftButton);
    });
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(directory + "Test.ini", QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QDir::toNativeSeparators(directory + "Test.ini")))
        << messages.front().toStdString();
    EXPECT_EQ(settingsFileContents(), ini);
    EXPECT_EQ(QDir(directory).entryList(QDir::Files | QDir::Hidden).filter("Test.ini").size(), 1);
}

}
