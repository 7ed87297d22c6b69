// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintLayout.h"

#include "platform/Canvas.h"

#include <QList>
#include <algorithm>
#include <cmath>

PrintLayout::PrintLayout(TCanvas &canvas, int dotsPerInch, int pageWidth, PrintFormat format)
    : m_canvas(canvas)
    , m_dotsPerInch(dotsPerInch)
    , m_pageWidth(pageWidth)
    , m_format(std::move(format))
{
}

int PrintLayout::fontHeight() const
{
    return static_cast<int>(std::nearbyint(m_canvas.font().pointSizeF() * m_dotsPerInch / 72.0));
}

int PrintLayout::letterWidth(QChar letter) const
{
    return m_canvas.TextWidth(QString(letter));
}

void PrintLayout::PrintPageSetup()
{
    const QRect clip = m_canvas.ClipRect();
    // In 64 bits: a stored margin may be any 32-bit number.
    const qint64 letter = std::max(1, letterWidth(QLatin1Char('A')));
    const qint64 widest = std::max<qint64>(0, m_pageWidth - clip.left() - letter);
    const qint64 margin = std::clamp<qint64>(qint64(m_format.leftMargin) * letter, 0, widest);
    m_area.Left = clip.left() + static_cast<int>(margin);
    m_area.Top = clip.top();
    m_area.Right = m_pageWidth;
    // The first line step of a page is H alone, without the gap.
    m_area.Bottom = m_area.Top + fontHeight();
}

void PrintLayout::PrintNextLine()
{
    m_area.Top = m_area.Bottom;
    m_area.Bottom = m_area.Top + linePitch();
}

void PrintLayout::PrintRule()
{
    m_canvas.MoveTo(m_area.Right, m_area.Top);
    m_canvas.LineTo(m_area.Left, m_area.Top);
}

void PrintLayout::printText(const QString &text)
{
    printTextAt(m_area.Left, text);
}

void PrintLayout::printTextAt(int x, const QString &text)
{
    m_canvas.TextOut(x, m_area.Top, text);
}

void PrintLayout::PrintPageHead(const QString &title)
{
    PrintRule();
    PrintNextLine();
    PrintNextLine();
    PrintRule();
    PrintNextLine();
    applyWindowFontStyle();
    printText(title);
    PrintNextLine();
    PrintNextLine();
    PrintWrapped(m_format.testCode, m_format.lineLength);
    PrintNextLine();
    PrintNextLine();
    PrintRule();
    PrintNextLine();
}

// The printer font keeps its face and size and takes the main window font's style, never bold.
void PrintLayout::applyWindowFontStyle()
{
    QFont font = m_canvas.font();
    font.setItalic(m_format.windowFont.italic());
    font.setUnderline(m_format.windowFont.underline());
    font.setStrikeOut(m_format.windowFont.strikeOut());
    font.setBold(false);
    m_canvas.setFont(font);
}

namespace {
// The bank's texts break lines as Windows, Unix or old Macs do.
bool isLineBreak(char32_t character)
{
    return character == U'\n' || character == U'\r';
}
}

void PrintLayout::PrintWrapped(const QString &text, int width)
{
    // Lines are cut by characters, so a character outside the basic plane is never split.
    const QList<uint> characters = text.toUcs4();
    const auto *data = reinterpret_cast<const char32_t *>(characters.constData());
    const qsizetype count = characters.size();
    // A line break ends the printed line; a break that ends the text adds no line.
    for (qsizetype start = 0; start < count;) {
        qsizetype end = start;
        while (end < count && !isLineBreak(data[end]))
            ++end;
        printPiece(data + start, end - start, width);
        const bool crlf = end + 1 < count && data[end] == U'\r' && data[end + 1] == U'\n';
        start = end + (crlf ? 2 : 1);
    }
}

void PrintLayout::printPiece(const char32_t *characters, qsizetype count, int width)
{
    // An empty piece between two breaks is an empty line.
    if (count == 0) {
        PrintNextLine();
        return;
    }
    // A width below one would never advance; such a piece goes on one line.
    const qsizetype lineLength = width > 0 ? width : count;
    const int indent = 8 * letterWidth(QLatin1Char('M'));
    for (qsizetype start = 0; start < count; start += lineLength) {
        const qsizetype length = qMin(lineLength, count - start);
        m_canvas.TextOut(m_area.Left + indent, m_area.Top, QString::fromUcs4(characters + start, length));
        PrintNextLine();
    }
}
