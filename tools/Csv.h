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

// RFC 4180 CSV: comma-separated, fields with a comma, a quote or a line break in double
// quotes, a quote inside doubled. Lines end with LF or CRLF; empty lines are skipped.
class Csv
{
public:
    // Raises CsvError for an unterminated quoted field or text after a closing quote.
    static QList<CsvRow> parse(const QString &text);
    static QString formatRow(const QStringList &cells);
};

class CsvError
{
public:
    CsvError(int line, QString reason) : line(line), reason(std::move(reason)) {}
    int line;
    QString reason;
};
