// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

namespace {

// Once handlers are set, a question without one is answered as cancelled: a test never blocks.
std::optional<Prompts::Handlers> &replacement()
{
    static std::optional<Prompts::Handlers> handlers;
    return handlers;
}

// Qt's own dialog, the same on every desktop, so that a screen reader and the end-to-end tests
// find the same controls everywhere.
constexpr QFileDialog::Options DialogOptions = QFileDialog::DontUseNativeDialog;

}

QString Prompts::openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    if (replacement())
        return replacement()->openFile ? replacement()->openFile(caption, filter) : QString();
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr, DialogOptions);
}

QString Prompts::saveFile(QWidget *parent, const QString &caption, const QString &suggested,
                          const QString &filter)
{
    if (replacement())
        return replacement()->saveFile ? replacement()->saveFile(caption, suggested, filter) : QString();
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr, DialogOptions);
}

QString Prompts::folder(QWidget *parent, const QString &caption)
{
    if (replacement())
        return replacement()->folder ? replacement()->folder(caption) : QString();
    return QFileDialog::getExistingDirectory(parent, caption, QString(),
                                             DialogOptions | QFileDialog::ShowDirsOnly);
}

Prompts::Unsaved Prompts::unsavedChanges(QWidget *parent, const QString &question)
{
    if (replacement())
        return replacement()->unsavedChanges ? replacement()->unsavedChanges(question) : Unsaved::Cancel;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), question,
                    QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("&Uložit"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("&Zahodit změny"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Zrušit"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return Unsaved::Save;
    return box.clickedButton() == discard ? Unsaved::Discard : Unsaved::Cancel;
}

void Prompts::setHandlers(Handlers handlers)
{
    replacement() = std::move(handlers);
}

void Prompts::restoreDialogs()
{
    replacement().reset();
}
