// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/WindowFixture.h"

#include "app/Unit2.h"
#include "settings/HesloT.h"
#include "settings/Konfigurace.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using DialogsTest = WindowFixture;

// Runs `open` and returns the modal dialog it opened, which is then closed.
QWidget *dialogOpenedBy(const std::function<void()> &open, std::function<void(QWidget *)> inspect = {})
{
    QWidget *opened = nullptr;
    QTimer::singleShot(0, [&opened, inspect] {
        opened = QApplication::activeModalWidget();
        if (!opened)
            return;
        if (inspect)
            inspect(opened);
        if (auto *dialog = qobject_cast<QDialog *>(opened))
            dialog->reject();
    });
    open();
    return opened;
}

QWidget *dialogOpenedBy(QPushButton *button, std::function<void(QWidget *)> inspect = {})
{
    return dialogOpenedBy([button] { QTest::mouseClick(button, Qt::LeftButton); }, std::move(inspect));
}

TEST_F(DialogsTest, StartUpMakesNoDialog)
{
    CreateWindowWithoutDialogs(makeBankRecords(50, 40, 30));
    EXPECT_EQ(FrmKonfig, nullptr);
    EXPECT_EQ(FrmHesloT, nullptr);
}

TEST_F(DialogsTest, KonfiguraceOpensTheSettingsDialogFilledFromTheSettings)
{
    TForm2 *form = CreateWindowWithoutDialogs(makeBankRecords(50, 40, 30),
                                              "[Test]\nDobaTestu=45\n[Tisk]\nLokrTisk=4\n");
    QString minutes;
    QString margin;
    QWidget *opened = dialogOpenedBy(form->BBKtest, [&](QWidget *) {
        minutes = FrmKonfig->Edit1->text();
        margin = FrmKonfig->Edit2->text();
    });
    ASSERT_NE(FrmKonfig, nullptr);
    EXPECT_EQ(opened, FrmKonfig);
    EXPECT_EQ(FrmKonfig->parentWidget(), form);
    EXPECT_EQ(minutes, "45");
    EXPECT_EQ(margin, "4");
    // Its password button needs the other dialog, made alongside.
    ASSERT_NE(FrmHesloT, nullptr);
    EXPECT_EQ(FrmHesloT->parentWidget(), form);

    // Opened again, it is the same dialog.
    TFrmKonfig *first = FrmKonfig;
    EXPECT_EQ(dialogOpenedBy(form->BBKtest), first);
    EXPECT_EQ(FrmKonfig, first);
}

// The handlers make their dialogs themselves, whoever calls them.
TEST_F(DialogsTest, SettingsHandlerCalledWithoutItsButtonMakesItsDialog)
{
    TForm2 *form = CreateWindowWithoutDialogs(makeBankRecords(50, 40, 30));
    EXPECT_EQ(dialogOpenedBy([form] { form->BBKtestClick(); }), FrmKonfig);
    EXPECT_NE(FrmKonfig, nullptr);
}

TEST_F(DialogsTest, KeyPrintHandlerCalledWithoutItsButtonOpensThePasswordDialog)
{
    TForm2 *form = CreateWindowWithoutDialogs(makeBankRecords(50, 40, 30));
    EXPECT_EQ(dialogOpenedBy([form] { form->BtnTiskKlicClick(); }), FrmHesloT);
    ASSERT_NE(FrmHesloT, nullptr);
    EXPECT_EQ(FrmHesloT->parentWidget(), form);
    EXPECT_TRUE(messages.isEmpty());
}

}
