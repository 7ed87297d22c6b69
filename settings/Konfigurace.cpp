// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Konfigurace.h"

#include "platform/FormFont.h"
#include "platform/core/Conversions.h"
#include "platform/Guarded.h"
#include "settings/RaisedPanel.h"
#include "settings/KeyPressFilter.h"
#include "settings/SettingsTable.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLineEdit *makeEdit(QWidget *parent, const QString &name, const QRect &geometry)
{
    // The form's text for both edits; FormActivate replaces it with the settings.
    auto *edit = new QLineEdit(QStringLiteral("30"), parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, QStyle::StandardPixmap glyph,
                        const QRect &geometry)
{
    auto *button = new QPushButton(parent->style()->standardIcon(glyph), text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}

TFrmKonfig::TFrmKonfig(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmKonfig"));
    // Misspelt as the original dialog's title is; users and their manuals know it so.
    setWindowTitle(QStringLiteral("Konfiguirace testu"));
    setFont(formFont(11));
    setFixedSize(447, 204);
    move(0, 0);
    createControls();
    connectHandlers();
}

void TFrmKonfig::createControls()
{
    Panel1 = makePanel(this, QStringLiteral("Panel1"), QRect(0, 0, 447, 204));

    Label1 = makeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Čas testu - max 50 [minut]:"), 32, 16);
    Edit1 = makeEdit(Panel1, QStringLiteral("Edit1"), QRect(170, 13, 33, 21));

    Panel2 = makePanel(Panel1, QStringLiteral("Panel2"), QRect(16, 50, 257, 81));
    Label2 = new QLabel(QStringLiteral("Nastavení velikosti písma"), Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setGeometry(0, 2, Panel2->width(), Label2->sizeHint().height());

    RadioGroup1 = new QGroupBox(QStringLiteral("Otázky, odpovědi, komentář"), Panel2);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(9, 20, 240, 48);
    m_radioItems = new QButtonGroup(this);
    const QStringList items = {QStringLiteral("malé"), QStringLiteral("střední"), QStringLiteral("velké")};
    const int columnWidth = (RadioGroup1->width() - 16) / int(items.size());
    for (int index = 0; index < items.size(); ++index) {
        auto *item = new QRadioButton(items[index], RadioGroup1);
        item->setGeometry(8 + index * columnWidth, 20, columnWidth, 20);
        m_radioItems->addButton(item, index);
    }
    SetRadioGroup1ItemIndex(1);

    BitBtn3 = makeButton(Panel1, QStringLiteral("BitBtn3"), QStringLiteral("Změna hesla"),
                         QStyle::SP_DialogResetButton, QRect(279, 106, 155, 25));
    Label3 = makeLabel(Panel1, QStringLiteral("Label3"), QStringLiteral("Levý okraj tiskárny:"), 32, 150);
    Edit2 = makeEdit(Panel1, QStringLiteral("Edit2"), QRect(170, 147, 33, 21));
    // A screen reader names each edit by the label before it.
    Label1->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    BitBtn1 = makeButton(Panel1, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QStyle::SP_DialogOkButton,
                         QRect(279, 168, 75, 25));
    BitBtn1->setDefault(true);
    BitBtn2 = makeButton(Panel1, QStringLiteral("BitBtn2"), QStringLiteral("Zpět"), QStyle::SP_DialogCancelButton,
                         QRect(360, 168, 75, 25));

    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    QWidget *previous = BitBtn2;
    for (QAbstractButton *item : m_radioItems->buttons()) {
        setTabOrder(previous, item);
        previous = item;
    }
    setTabOrder(previous, Edit2);
    setTabOrder(Edit2, BitBtn3);
}

void TFrmKonfig::connectHandlers()
{
    m_keyFilter = new KeyPressFilter([this](QObject *sender, QChar &key) { Edit1KeyPress(sender, key); },
                                     [this](QObject *sender) { Edit1KeyUp(sender); }, this);
    m_keyFilter->watch(Edit1);
    m_keyFilter->watch(Edit2);
    // The dialog closes with the OK result whatever the handler met on its way.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        guarded([this] { BitBtn1Click(); });
        accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn3Click(); }); });
}

void TFrmKonfig::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFrmKonfig::setValues(const TestSettings &values, ProfileFile *file)
{
    m_values = values;
    m_file = file;
    m_confirmed.reset();
}

void TFrmKonfig::FormActivate()
{
    Edit1->setText(QString::number(m_values.testMinutes));
    Edit2->setText(QString::number(m_values.printerLeftMargin));
    SetRadioGroup1ItemIndex(m_values.fontSizeIndex);
}

void TFrmKonfig::Edit1KeyPress(QObject *, QChar &Key)
{
    acceptDigitsOnly(Key, true);
}

void TFrmKonfig::Edit1KeyUp(QObject *)
{
    // Always the minutes field, whichever edit the key was released in.
    const std::optional<qint32> minutes = tryStrToInt(Edit1->text());
    if (!minutes || *minutes > SettingsTable::TypedTestMinutesMaximum)
        Edit1->setText(QString::number(SettingsTable::TestMinutes.defaultValue));
}

void TFrmKonfig::BitBtn1Click()
{
    // Both fields convert before anything is taken over, so a bad margin changes nothing.
    const TestSettings values{strToInt(Edit1->text()), strToInt(Edit2->text()), RadioGroup1ItemIndex()};
    // Taken over before the write, which may refuse: the window goes on with what was confirmed.
    m_confirmed = values;
    Settings::write(*m_file, values);
}

void TFrmKonfig::setPasswordChange(std::function<void()> openPasswordDialog)
{
    m_passwordChange = std::move(openPasswordDialog);
}

void TFrmKonfig::BitBtn3Click()
{
    if (m_passwordChange)
        m_passwordChange();
}

int TFrmKonfig::RadioGroup1ItemIndex() const
{
    return m_radioItems->checkedId();
}

void TFrmKonfig::SetRadioGroup1ItemIndex(int index)
{
    const int lastItem = int(m_radioItems->buttons().size()) - 1;
    index = std::clamp(index, -1, lastItem);
    if (index >= 0) {
        m_radioItems->button(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; none is, only with exclusivity off.
    m_radioItems->setExclusive(false);
    for (QAbstractButton *item : m_radioItems->buttons())
        item->setChecked(false);
    m_radioItems->setExclusive(true);
}
