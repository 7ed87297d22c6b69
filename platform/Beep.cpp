// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Beep.h"

#include <QApplication>

namespace {
std::function<void()> &replacement()
{
    static std::function<void()> handler;
    return handler;
}
}

void Beep::sound()
{
    if (replacement())
        replacement()();
    else
        QApplication::beep();
}

void Beep::setHandler(std::function<void()> handler)
{
    replacement() = std::move(handler);
}
