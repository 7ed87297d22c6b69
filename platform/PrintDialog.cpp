// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintDialog::Handler &replacement()
{
    static PrintDialog::Handler handler;
    return handler;
}
}

bool PrintDialog::execute(QPrinter &printer, QWidget *parent)
{
    if (replacement())
        return replacement()(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialog::setHandler(Handler handler)
{
    replacement() = std::move(handler);
}
