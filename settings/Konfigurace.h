// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Settings.h"

#include <QDialog>
#include <functional>
#include <optional>

class KeyPressFilter;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ProfileFile;

// The configuration dialog: test length, text size, printer margin, password change.
// Its controls keep the names of the form. It shows the values handed to it, stores what OK
// confirms in the settings file and tells what that was.
class TFrmKonfig : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmKonfig(QWidget *parent = nullptr);

    // The values the next activation shows and the file OK stores them in; the file must be
    // handed before OK is pressed.
    void setValues(const TestSettings &values, ProfileFile *file);
    // The values OK took over since the latest setValues; none after Zpět or a failed OK.
    const std::optional<TestSettings> &confirmedValues() const { return m_confirmed; }
    // What "Změna hesla" opens: the password dialog, which the window owns.
    void setPasswordChange(std::function<void()> openPasswordDialog);

    void FormActivate();
    void Edit1KeyPress(QObject *Sender, QChar &Key);
    void Edit1KeyUp(QObject *Sender);
    void BitBtn1Click();
    void BitBtn3Click();

    // The selected item of RadioGroup1, -1 when none is; a value beyond the items selects the
    // nearest end.
    int RadioGroup1ItemIndex() const;
    void SetRadioGroup1ItemIndex(int index);

    QWidget *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QWidget *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectHandlers();

    TestSettings m_values;
    ProfileFile *m_file = nullptr;
    std::optional<TestSettings> m_confirmed;
    std::function<void()> m_passwordChange;
    QButtonGroup *m_radioItems = nullptr;
    KeyPressFilter *m_keyFilter = nullptr;
};
