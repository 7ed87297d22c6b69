// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

class PrintLayout;
class QWidget;
class TCanvas;
struct PrintFormat;

// The printout frame: the print dialog, the document, its pages and their numbers. Printer
// failures raise AppError, which ends the printout at the failing step.
class PrintJob
{
public:
    static constexpr int DotsPerInch = 600;

    PrintJob();
    ~PrintJob();

    // A sans face with Czech glyphs, small enough that a 110-character line with the default
    // margin and the indent fits the width of an A4 page.
    static QFont printerFont();

    // Shows the print dialog over dialogParent and begins the document laid out in the format;
    // false, with nothing printed, when the user cancels.
    bool Begin(QWidget *dialogParent, const PrintFormat &format);
    PrintLayout &Layout() { return *m_layout; }
    // 1 on the first page, one more on each new page.
    int pageNumber() const { return m_pageNumber; }
    void NewPage();
    void End();

private:
    QPrinter m_printer;
    QPainter m_painter;
    std::unique_ptr<TCanvas> m_canvas;
    std::unique_ptr<PrintLayout> m_layout;
    int m_pageNumber = 0;
};
