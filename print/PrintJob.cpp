// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintJob.h"

#include "platform/core/AppError.h"
#include "platform/Canvas.h"
#include "platform/PrintDialog.h"
#include "print/PrintLayout.h"

#include <QGuiApplication>

PrintJob::PrintJob()
    : m_printer(QPrinter::HighResolution)
{
}

PrintJob::~PrintJob() = default;

QFont PrintJob::printerFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(7);
    return font;
}

bool PrintJob::Begin(QWidget *dialogParent, const PrintFormat &format)
{
    if (!PrintDialog::execute(m_printer, dialogParent))
        return false;
    // The page-bottom limit and the line pitch are device units of a 600 dpi printer.
    m_printer.setResolution(DotsPerInch);
    if (!m_painter.begin(&m_printer))
        throw AppError(QStringLiteral("Tisk nelze zahájit: tiskárna není dostupná."));
    m_canvas = std::make_unique<TCanvas>(m_painter, QGuiApplication::palette());
    m_canvas->setFont(printerFont());
    m_layout = std::make_unique<PrintLayout>(*m_canvas, m_printer.resolution(), m_printer.width(), format);
    m_pageNumber = 1;
    return true;
}

void PrintJob::NewPage()
{
    if (!m_printer.newPage())
        throw AppError(QStringLiteral("Tiskárna nepřijala další stránku."));
    ++m_pageNumber;
}

void PrintJob::End()
{
    if (!m_painter.end())
        throw AppError(QStringLiteral("Tisk se nepodařilo dokončit."));
}
