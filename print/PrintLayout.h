// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QtGlobal>

class TCanvas;

// The line cursor of a printout, in printer device units from the top left of the printable
// area, y growing downwards.
struct TPrintArea
{
    int Left = 0;   // the left text edge: printable area plus margin
    int Top = 0;    // where the next text or rule goes
    int Right = 0;  // where rules start: the page width
    int Bottom = 0; // the line after Top
};

// What the printouts take from the settings and the test: the left margin in widths of "A",
// the characters of a wrapped line, the test code of the page head and the main window's
// font, whose style the head's title takes.
struct PrintFormat
{
    qint32 leftMargin = 0;
    qint32 lineLength = 0;
    QString testCode;
    QFont windowFont;
};

// The page-bottom limit of the test printout, an absolute device coordinate.
constexpr qint32 PrintPageBottom = 5133;

// The layout mechanics both printouts share: page set-up, a line cursor moving down by a
// fixed pitch, rules, the page head and texts cut into lines by character count. Text is
// never measured against the page width.
class PrintLayout
{
public:
    static constexpr qint32 PrintLineGap = 12;

    // The canvas's device runs at dotsPerInch; pageWidth is the printable width in its units.
    PrintLayout(TCanvas &canvas, int dotsPerInch, int pageWidth, PrintFormat format);

    const TPrintArea &PrintArea() const { return m_area; }
    const PrintFormat &format() const { return m_format; }
    // H: the printer font's point size at the device's resolution, not its line spacing.
    int fontHeight() const;
    int linePitch() const { return PrintLineGap + fontHeight(); }
    int letterWidth(QChar letter) const;

    // The margin keeps at least one letter of text on the page: a larger one, or one below
    // 0, is clamped to the page.
    void PrintPageSetup();
    void PrintNextLine();
    void PrintRule();
    // Texts at the cursor line; the cursor stays.
    void printText(const QString &text);
    void printTextAt(int x, const QString &text);
    void PrintPageHead(const QString &title);
    // Cuts the text into lines of width characters, printed indented, each followed by
    // PrintNextLine; a line break in the text ends a line. An empty text prints nothing and
    // leaves the cursor where it was.
    void PrintWrapped(const QString &text, int width);

private:
    void applyWindowFontStyle();
    // One piece of a text between line breaks, cut into lines of width characters.
    void printPiece(const char32_t *characters, qsizetype count, int width);

    TCanvas &m_canvas;
    int m_dotsPerInch;
    int m_pageWidth;
    PrintFormat m_format;
    TPrintArea m_area;
};
