// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class KeyPressFilter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ProfileFile;

// A confirmation of the current password: what was entered, and the stored password it is
// compared with (empty when the stored form does not decode).
struct PasswordCheck
{
    QString entered;
    QString expected;
};

// The key-print password dialog: confirmation of the current password and its change.
// Its controls keep the names of the form.
class TFrmHesloT : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmHesloT(QWidget *parent = nullptr);

    // The next opening: for the key print, where a confirmation closes the dialog whatever
    // its outcome, or for a change of the password; the file holds the stored password and
    // must be handed before the dialog is confirmed.
    void setRequest(bool keyPrint, ProfileFile *file);

    void FormActivate();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void MaskEdit2KeyPress(QObject *Sender, QChar &Key);
    void CheckBox1Click();
    void CheckBox2Click();

    // Whether the latest confirmation since the dialog last opened matched the stored
    // password. An entry left from an earlier opening never counts.
    bool confirmedInThisOpening() const { return m_confirmedInThisOpening; }
    // The latest confirmation of this opening, matched or not; none before one.
    const std::optional<PasswordCheck> &lastCheck() const { return m_lastCheck; }

    QWidget *Panel1 = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QWidget *Panel2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *MaskEdit2 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QCheckBox *CheckBox2 = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectHandlers();

    KeyPressFilter *m_keyFilter = nullptr;
    bool m_keyPrint = false;
    ProfileFile *m_file = nullptr;
    bool m_confirmedInThisOpening = false;
    std::optional<PasswordCheck> m_lastCheck;
};
