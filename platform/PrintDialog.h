// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print dialog, where the user picks the printer (or a file) and its settings. Tests
// replace it with a handler that sets up the printer itself, so no test blocks on the dialog
// or needs a printer.
class PrintDialog
{
public:
    // Returns true to print with the printer as set up, false when the user cancels.
    using Handler = std::function<bool(QPrinter &printer)>;

    static bool execute(QPrinter &printer, QWidget *parent = nullptr);

    // Replaces the real dialog; an empty handler restores it.
    static void setHandler(Handler handler);
};
