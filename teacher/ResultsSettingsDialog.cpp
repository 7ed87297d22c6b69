// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/ResultsSettingsDialog.h"

#include "teacher/Prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ResultsSettingsDialog::ResultsSettingsDialog(const ResultsSettings &values, const QString &iniPath,
                                             const QString &defaultFolder, QWidget *parent)
    : QDialog(parent),
      m_keep(new QCheckBox(QStringLiteral("&Ukládat výsledky testů"), this)),
      m_folder(new QLineEdit(values.folder, this)),
      m_askName(new QCheckBox(QStringLiteral("&Ptát se před startem testu na jméno"), this))
{
    setObjectName(QStringLiteral("ResultsSettingsDialog"));
    setWindowTitle(QStringLiteral("Nastavení výsledků programu"));
    m_keep->setChecked(values.keep);
    m_keep->setAccessibleName(QStringLiteral("Ukládat výsledky testů"));
    m_askName->setChecked(values.askName);
    m_askName->setAccessibleName(QStringLiteral("Ptát se před startem testu na jméno"));
    m_folder->setPlaceholderText(QDir::toNativeSeparators(defaultFolder));
    m_folder->setAccessibleName(QStringLiteral("Složka výsledků"));
    m_folder->setAccessibleDescription(QStringLiteral("Prázdná: výchozí složka %1; relativní cesta platí od složky Test.ini")
                                           .arg(QDir::toNativeSeparators(defaultFolder)));
    m_folder->setMinimumWidth(360);
    auto *choose = new QPushButton(QStringLiteral("&Vybrat…"), this);
    choose->setAccessibleName(QStringLiteral("Vybrat složku výsledků"));
    connect(choose, &QPushButton::clicked, this, &ResultsSettingsDialog::chooseFolder);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(choose);
    auto *folderLabel = new QLabel(QStringLiteral("&Složka:"), this);
    folderLabel->setBuddy(m_folder);
    auto *where = new QLabel(QStringLiteral("Ukládá se do %1").arg(QDir::toNativeSeparators(iniPath)), this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Zrušit"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(m_keep);
    form->addRow(folderLabel, folderRow);
    form->addRow(m_askName);
    form->addRow(where);
    form->addRow(buttons);
    setTabOrder(m_keep, m_folder);
    setTabOrder(m_folder, choose);
    setTabOrder(choose, m_askName);
    setTabOrder(m_askName, buttons);
}

ResultsSettings ResultsSettingsDialog::values() const
{
    return {m_keep->isChecked(), m_folder->text().trimmed(), m_askName->isChecked()};
}

void ResultsSettingsDialog::chooseFolder()
{
    const QString folder = Prompts::folder(this, QStringLiteral("Složka výsledků"));
    if (!folder.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(folder));
}
