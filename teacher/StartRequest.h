// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of the teacher's window: an answer to print (--help, --version)
// before any display is needed, or the file to open once the window stands.
struct StartRequest
{
    std::optional<QString> answer;
    QString file;
};

// The arguments after the program's name, once Qt has taken its own options.
StartRequest readCommandLine(const QStringList &arguments);
