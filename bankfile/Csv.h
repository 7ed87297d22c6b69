// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// One CSV row and its number as a spreadsheet shows it: rows count from 1, an empty line is a
// row too, and a line break inside a cell starts none.
struct CsvRow
{
    int row = 0;
    QStringList cells;
};

// RFC 4180 CSV: fields with the separator, a quote or a line break in double quotes, a quote
// inside doubled. Lines end with LF or CRLF; empty lines give no row. Spreadsheets in Czech
// save with a semicolon, some with a tab, so the separator may be chosen.
class Csv
{
public:
    // Raises CsvError for an unterminated quoted field or text after a closing quote.
    static QList<CsvRow> parse(const QString &text, QChar separator = QLatin1Char(','));
    // The separator of the first line: whichever of comma, semicolon and tab it holds most
    // often outside quotes; a comma when it holds none.
    static QChar detectSeparator(const QString &text);
    // The separator that Excel's first line "sep=X" names. A sheet whose first cell holds that
    // text saves the row's empty cells after it, so separators and white space may follow.
    static std::optional<QChar> excelSeparator(QStringView firstLine);
    // The cells as one line, each quoted where it must be, with a line end.
    static QString formatRow(const QStringList &cells, QChar separator = QLatin1Char(','));
};

// How a CSV file is written: a comma and no byte order mark as programs read it, or a
// semicolon and a UTF-8 byte order mark, which spreadsheets in Czech open as they are.
struct CsvStyle
{
    QChar separator = QLatin1Char(',');
    bool byteOrderMark = false;

    static CsvStyle spreadsheet() { return {QLatin1Char(';'), true}; }
};

// A text that is no CSV, at the row where that shows.
class CsvError
{
public:
    CsvError(int row, QString reason) : row(row), reason(std::move(reason)) {}
    int row;
    QString reason;
};
