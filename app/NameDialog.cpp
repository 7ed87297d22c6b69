// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NameDialog.h"

#include "platform/Beep.h"
#include "platform/FormFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int MaximumNameLength = 100;
}

NameDialog::NameDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NameDialog"));
    setWindowTitle(QStringLiteral("Jméno"));
    setFont(formFont(11));

    auto *label = new QLabel(QStringLiteral("&Zadejte prosím své jméno:"), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("NameEdit"));
    m_edit->setMaxLength(MaximumNameLength);
    m_edit->setMinimumWidth(280);
    m_edit->setAccessibleName(QStringLiteral("Jméno"));
    label->setBuddy(m_edit);

    auto *confirm = new QPushButton(QStringLiteral("OK"), this);
    confirm->setObjectName(QStringLiteral("NameConfirm"));
    confirm->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Zrušit"), this);
    cancel->setObjectName(QStringLiteral("NameCancel"));
    connect(confirm, &QPushButton::clicked, this, &NameDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &NameDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    m_edit->setFocus();
}

QString NameDialog::name() const
{
    return m_edit->text().simplified();
}

void NameDialog::accept()
{
    if (name().isEmpty()) {
        Beep::sound();
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<QString> askName(QWidget *parent)
{
    NameDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}
