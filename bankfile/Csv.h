// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One CSV row and the line of the file it starts on.
struct CsvRow
{
    int line = 0;
    QStringList cells;
};

// RFC 4180 CSV: fields with the separator, a quote or a line break in double quotes, a quote
// inside doubled. Lines end with LF or CRLF; empty lines are skipped. Spreadsheets in Czech
// save with a semicolon, some with a tab, so the separator may be chosen.
class Csv
{
public:
    // Raises CsvError for an unterminated quoted field or text after a closing quote.
    static QList<CsvRow> parse(const QString &text, QChar separator = QLatin1Char(','));
    // The separator of the first line: whichever of comma, semicolon and tab it holds most
    // often outside quotes; a comma when it holds none.
    static QChar detectSeparator(const QString &text);
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

class CsvError
{
public:
    CsvError(int line, QString reason) : line(line), reason(std::move(reason)) {}
    int line;
    QString reason;
};
