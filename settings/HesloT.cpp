// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/HesloT.h"

#include "platform/FormFont.h"
#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"
#include "platform/Guarded.h"
#include "platform/core/ProfileFile.h"
#include "settings/RaisedPanel.h"
#include "settings/KeyPressFilter.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "settings/StoredPassword.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace {

QLineEdit *makeMaskedEdit(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QCheckBox *makeMaskingCheckBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *checkBox = new QCheckBox(QStringLiteral("skrývat znaky"), parent);
    checkBox->setObjectName(name);
    checkBox->setGeometry(geometry);
    checkBox->setChecked(true);
    return checkBox;
}

void setMasking(QLineEdit *edit, bool masked)
{
    edit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

}

TFrmHesloT::TFrmHesloT(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmHesloT"));
    setWindowTitle(QStringLiteral("Heslo pro tisk klíče"));
    setFont(formFont(11));
    setFixedSize(403, 155);
    move(0, 0);
    createControls();
    connectHandlers();
}

void TFrmHesloT::createControls()
{
    Panel1 = makePanel(this, QStringLiteral("Panel1"), QRect(8, 8, 385, 60));
    MaskEdit1 = makeMaskedEdit(Panel1, QStringLiteral("MaskEdit1"), QRect(16, 13, 250, 21));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Heslo"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(272, 11, 99, 25);
    BitBtn1->setDefault(true);
    CheckBox1 = makeMaskingCheckBox(Panel1, QStringLiteral("CheckBox1"), QRect(16, 40, 97, 17));

    Panel2 = makePanel(this, QStringLiteral("Panel2"), QRect(8, 71, 385, 76));
    Label1 = new QLabel(QStringLiteral("Zadejte prosím nové heslo, možno použít pouze číslice 0-9"), Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();
    Label1->move(16, 8);
    MaskEdit2 = makeMaskedEdit(Panel2, QStringLiteral("MaskEdit2"), QRect(16, 27, 250, 21));
    // Names for a screen reader: the first edit has no label of its own.
    MaskEdit1->setAccessibleName(QStringLiteral("Heslo"));
    Label1->setBuddy(MaskEdit2);
    BitBtn2 = new QPushButton(QStringLiteral("Změň heslo"), Panel2);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(272, 25, 99, 25);
    CheckBox2 = makeMaskingCheckBox(Panel2, QStringLiteral("CheckBox2"), QRect(16, 51, 97, 17));
    Panel2->hide();
}

void TFrmHesloT::connectHandlers()
{
    m_keyFilter = new KeyPressFilter([this](QObject *sender, QChar &key) { MaskEdit2KeyPress(sender, key); },
                                     nullptr, this);
    m_keyFilter->watch(MaskEdit2);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        // In the key-print flow the confirmation closes the dialog whatever its outcome.
        const bool closes = m_keyPrint;
        guarded([this] { BitBtn1Click(); });
        if (closes)
            accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, [this] {
        guarded([this] { BitBtn2Click(); });
        accept();
    });
    connect(CheckBox1, &QCheckBox::toggled, this, &TFrmHesloT::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TFrmHesloT::CheckBox2Click);
}

void TFrmHesloT::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFrmHesloT::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFrmHesloT::setRequest(bool keyPrint, ProfileFile *file)
{
    m_keyPrint = keyPrint;
    m_file = file;
}

void TFrmHesloT::FormActivate()
{
    m_confirmedInThisOpening = false;
    m_lastCheck.reset();
    MaskEdit1->clear();
    MaskEdit1->setFocus();
}

void TFrmHesloT::FormClose()
{
    Panel2->hide();
}

void TFrmHesloT::BitBtn1Click()
{
    m_confirmedInThisOpening = false;
    // Noted before the stored password is read, so a stored form that fails to decode leaves
    // no expected password.
    m_lastCheck = PasswordCheck{trimControl(MaskEdit1->text()), QString()};
    const QString stored = SettingsTable::KeyPassword.read(*m_file);
    const std::optional<QString> expected = decodePassword(stored);
    if (!expected)
        throw AppError(QStringLiteral("Uložené heslo pro tisk klíče (klíč wht v souboru „%1“) je poškozené.")
                           .arg(QDir::toNativeSeparators(m_file->path())));
    m_lastCheck->expected = *expected;
    if (m_lastCheck->entered != m_lastCheck->expected)
        return;
    m_confirmedInThisOpening = true;
    Panel2->show();
    MaskEdit2->clear();
}

void TFrmHesloT::BitBtn2Click()
{
    const QString password = trimControl(MaskEdit2->text());
    Settings::prepareWrite(*m_file);
    SettingsTable::KeyPassword.write(*m_file, encodePassword(password));
}

void TFrmHesloT::MaskEdit2KeyPress(QObject *, QChar &Key)
{
    acceptDigitsOnly(Key, false);
}

void TFrmHesloT::CheckBox1Click()
{
    setMasking(MaskEdit1, CheckBox1->isChecked());
}

void TFrmHesloT::CheckBox2Click()
{
    setMasking(MaskEdit2, CheckBox2->isChecked());
}
