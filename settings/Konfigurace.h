// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class KeyPressFilter;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The configuration dialog: test length, text size, printer margin, password change.
// Its controls keep the names of the form.
class TFrmKonfig : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmKonfig(QWidget *parent = nullptr);

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

    QButtonGroup *m_radioItems = nullptr;
    KeyPressFilter *m_keyFilter = nullptr;
};
