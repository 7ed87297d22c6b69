// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/EnforcedPermissions.h"
#include "ModalDriver.h"
#include "SettingsTestFixture.h"

#include "app/Unit2.h"
#include "settings/HesloT.h"
#include "settings/StoredPassword.h"
#include "settings/Konfigurace.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class HesloTTest : public SettingsTestFixture
{
protected:
    // The key-print flow from the main window's button, the action run in the open dialog.
    void printKey(std::function<void()> action)
    {
        window->BtnTiskKlic->setEnabled(true);
        whenShown(FrmHesloT, std::move(action));
        QTest::mouseClick(window->BtnTiskKlic, Qt::LeftButton);
    }

    void printKeyWith(const QString &entry)
    {
        printKey([this, entry] { confirm(entry); });
    }

    // The change flow from the configuration dialog's button.
    void changePassword(std::function<void()> action)
    {
        whenShown(FrmKonfig, [this, action = std::move(action)]() mutable {
            whenShown(FrmHesloT, std::move(action));
            QTest::mouseClick(FrmKonfig->BitBtn3, Qt::LeftButton);
            FrmKonfig->reject();
        });
        QTest::mouseClick(window->BBKtest, Qt::LeftButton);
    }

    void confirm(const QString &entry)
    {
        QTest::keyClicks(FrmHesloT->MaskEdit1, entry);
        QTest::mouseClick(FrmHesloT->BitBtn1, Qt::LeftButton);
    }

    void storeNewPassword(const QString &password)
    {
        changePassword([this, password] {
            confirm(currentPassword);
            ASSERT_TRUE(FrmHesloT->Panel2->isVisible());
            QTest::keyClicks(FrmHesloT->MaskEdit2, password);
            QTest::mouseClick(FrmHesloT->BitBtn2, Qt::LeftButton);
        });
        currentPassword = password;
    }

    QString currentPassword = QStringLiteral("0");
};

TEST_F(HesloTTest, CheckBoxesSwitchTheMasking)
{
    CreateWindowWithSettings();
    const std::pair<QCheckBox *, QLineEdit *> pairs[] = {{FrmHesloT->CheckBox1, FrmHesloT->MaskEdit1},
                                                         {FrmHesloT->CheckBox2, FrmHesloT->MaskEdit2}};
    for (const auto &[checkBox, edit] : pairs) {
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        checkBox->click();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
        checkBox->click();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    }
}

TEST_F(HesloTTest, DefaultPasswordWithoutStoredOnePrintsTheKey)
{
    CreateWindowWithSettings();
    printKeyWith("0");
    EXPECT_EQ(printDialogCalls, 1);
    EXPECT_EQ(KeyPasswordEntered, "0");
    EXPECT_EQ(KeyPasswordExpected, "0");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(FrmHesloT->Panel2->isVisibleTo(FrmHesloT)) << "hidden again on close";
}

TEST_F(HesloTTest, WrongPasswordClosesWithoutMessageAndPrintsNothing)
{
    CreateWindowWithSettings();
    printKeyWith("1");
    EXPECT_FALSE(FrmHesloT->isVisible());
    EXPECT_EQ(printDialogCalls, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HesloTTest, EveryOpeningStartsWithAnEmptyEntry)
{
    CreateWindowWithSettings();
    FrmHesloT->MaskEdit1->setText("left over");
    printKey([this] {
        EXPECT_TRUE(FrmHesloT->MaskEdit1->text().isEmpty());
        confirm("0");
    });
    EXPECT_EQ(printDialogCalls, 1);
}

TEST_F(HesloTTest, EntryOfAnEarlierOpeningNeverPrintsTheKey)
{
    // The stored password is the very text the key-print flow expects before a confirmation.
    CreateWindowWithSettings("[Tisk]\nwht=" + encodePassword("531864297").toLatin1() + "\n");
    printKeyWith("531864297");
    ASSERT_EQ(printDialogCalls, 1);

    printKey([this] { FrmHesloT->reject(); });
    EXPECT_EQ(printDialogCalls, 1) << "closed without confirming";
    printKey([this] { FrmHesloT->close(); });
    EXPECT_EQ(printDialogCalls, 1);
}

TEST_F(HesloTTest, NewPasswordIsStoredAsTwoDigitsACharacterAndThenMatches)
{
    CreateWindowWithSettings("[Tisk]\nwht=48\n");
    storeNewPassword("1234");
    EXPECT_EQ(settingsValues("wht"), QStringList{"49505152"});
    EXPECT_FALSE(FrmHesloT->isVisible());

    printKeyWith("0");
    EXPECT_EQ(printDialogCalls, 0) << "the old password no longer matches";
    printKeyWith("1234");
    EXPECT_EQ(printDialogCalls, 1);
    printKeyWith("  1234\t");
    EXPECT_EQ(printDialogCalls, 2) << "the entry is trimmed";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HesloTTest, EmptyPasswordIsStoredEmptyAndMatchesAnEmptyEntry)
{
    CreateWindowWithSettings();
    storeNewPassword("");
    EXPECT_EQ(settingsValues("wht"), QStringList{""});
    printKeyWith("   ");
    EXPECT_EQ(printDialogCalls, 1);
    printKeyWith("");
    EXPECT_EQ(printDialogCalls, 2);
}

TEST_F(HesloTTest, ChangePanelAppearsOnlyAfterAMatchAndStaysAfterALaterFailure)
{
    CreateWindowWithSettings();
    changePassword([this] {
        confirm("7");
        EXPECT_TRUE(FrmHesloT->isVisible()) << "the change flow lets the user try again";
        EXPECT_FALSE(FrmHesloT->Panel2->isVisible());

        FrmHesloT->MaskEdit1->clear();
        confirm("0");
        EXPECT_TRUE(FrmHesloT->Panel2->isVisible());
        QTest::keyClicks(FrmHesloT->MaskEdit2, "55");

        FrmHesloT->MaskEdit1->clear();
        confirm("8");
        EXPECT_TRUE(FrmHesloT->Panel2->isVisible());
        EXPECT_EQ(FrmHesloT->MaskEdit2->text(), "55") << "emptied only by a match";
        FrmHesloT->close();
    });
    EXPECT_FALSE(FrmHesloT->Panel2->isVisibleTo(FrmHesloT));
    EXPECT_FALSE(settingsFileExists());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HesloTTest, EnterInTheNewPasswordFieldConfirmsTheCurrentOne)
{
    CreateWindowWithSettings();
    changePassword([this] {
        confirm("0");
        QTest::keyClicks(FrmHesloT->MaskEdit2, "42");
        QTest::keyClick(FrmHesloT->MaskEdit2, Qt::Key_Return);
        EXPECT_TRUE(FrmHesloT->MaskEdit2->text().isEmpty()) << "the match empties the new password";
        FrmHesloT->close();
    });
    EXPECT_FALSE(settingsFileExists());
}

TEST_F(HesloTTest, NewPasswordFieldTakesDigitsOnly)
{
    CreateWindowWithSettings();
    QLineEdit *edit = FrmHesloT->MaskEdit2;
    QTest::keyClicks(edit, "1a2 -3");
    EXPECT_EQ(edit->text(), "123");
    EXPECT_EQ(beeps, 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "123") << "backspace is refused";
    EXPECT_EQ(beeps, 4);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "23") << "Delete still edits";
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, QChar(0x7f), Qt::NoModifier);
    EXPECT_EQ(edit->text(), "3") << "Delete with its X11 text still edits";
    EXPECT_EQ(beeps, 4);

    beeps = 0;
    QTest::keyClicks(FrmHesloT->MaskEdit1, "ab 1");
    EXPECT_EQ(FrmHesloT->MaskEdit1->text(), "ab 1") << "the current password has no filter";
    EXPECT_EQ(beeps, 0);
}

class HesloTDamagedTest : public HesloTTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(HesloTDamagedTest, UndecodableStoredPasswordNeverMatches)
{
    CreateWindowWithSettings(QByteArray("[Tisk]\nwht=") + GetParam() + "\n");
    for (const char *entry : {"", "0", "4", "1"}) {
        messages.clear();
        printKeyWith(QString::fromLatin1(entry));
        EXPECT_EQ(printDialogCalls, 0) << entry;
        EXPECT_EQ(messages.size(), 1) << entry;
    }
    changePassword([this] {
        confirm("");
        EXPECT_FALSE(FrmHesloT->Panel2->isVisible());
        FrmHesloT->close();
    });
}

INSTANTIATE_TEST_SUITE_P(StoredForms, HesloTDamagedTest, ::testing::Values("4", "4x", "485", "-1", "+9", "48 9"));

TEST_F(HesloTTest, RefusedPasswordWriteIsShownAndLeavesTheFileAsItWas)
{
    const QByteArray ini = "[Tisk]\nwht=48\n";
    CreateWindowWithSettings(ini);
    const QString directory = programDir();
    // Neither a new file beside it nor the file itself may be written.
    ASSERT_TRUE(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(directory + "Test.ini", QFile::ReadOwner));
    changePassword([this] {
        confirm("0");
        QTest::keyClicks(FrmHesloT->MaskEdit2, "99");
        EnforcedPermissions enforced;
        QTest::mouseClick(FrmHesloT->BitBtn2, Qt::LeftButton);
    });
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(directory + "Test.ini", QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QDir::toNativeSeparators(directory + "Test.ini")));
    EXPECT_EQ(settingsFileContents(), ini);
}

}
