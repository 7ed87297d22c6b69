// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
Messages::Handler &replacement()
{
    static Messages::Handler handler;
    return handler;
}

QWidget *dialogParent()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                              : QApplication::activeWindow();
}
}

void Messages::show(const QString &text, const QString &caption)
{
    dispatch(Kind::Information, caption, text);
}

void Messages::showError(const QString &text)
{
    dispatch(Kind::Error, QString(), text);
}

void Messages::setHandler(Handler handler)
{
    replacement() = std::move(handler);
}

void Messages::dispatch(Kind kind, const QString &caption, const QString &text)
{
    if (replacement()) {
        replacement()(kind, caption, text);
        return;
    }
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    QMessageBox box(kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, dialogParent());
    box.exec();
}
