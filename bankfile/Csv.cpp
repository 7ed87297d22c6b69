// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/Csv.h"

#include <algorithm>
#include <iterator>

namespace {

class CsvParser
{
public:
    CsvParser(const QString &text, QChar separator) : m_text(text), m_separator(separator) {}

    QList<CsvRow> rows()
    {
        QList<CsvRow> rows;
        while (m_position < m_text.size()) {
            if (atLineEnd()) {
                skipLineEnd();
                ++m_row;
                continue;
            }
            rows.append(row());
        }
        return rows;
    }

private:
    bool atLineEnd() const
    {
        const QChar c = m_text[m_position];
        return c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }

    void skipLineEnd()
    {
        if (m_text[m_position] == QLatin1Char('\r') && m_position + 1 < m_text.size()
            && m_text[m_position + 1] == QLatin1Char('\n'))
            ++m_position;
        ++m_position;
    }

    CsvRow row()
    {
        CsvRow row;
        row.row = ++m_row;
        for (;;) {
            row.cells.append(cell());
            if (m_position >= m_text.size())
                break;
            if (atLineEnd()) {
                skipLineEnd();
                break;
            }
            ++m_position; // the separator
        }
        return row;
    }

    QString cell()
    {
        if (m_position < m_text.size() && m_text[m_position] == QLatin1Char('"'))
            return quotedCell();
        const qsizetype start = m_position;
        while (m_position < m_text.size() && m_text[m_position] != m_separator && !atLineEnd())
            ++m_position;
        return m_text.mid(start, m_position - start);
    }

    QString quotedCell()
    {
        QString value;
        ++m_position;
        for (;;) {
            if (m_position >= m_text.size())
                throw CsvError(m_row, QStringLiteral("neukončené uvozovky"));
            const QChar c = m_text[m_position++];
            if (c == QLatin1Char('"')) {
                if (m_position < m_text.size() && m_text[m_position] == QLatin1Char('"')) {
                    value.append(c);
                    ++m_position;
                    continue;
                }
                break;
            }
            value.append(c);
        }
        if (m_position < m_text.size() && m_text[m_position] != m_separator && !atLineEnd())
            throw CsvError(m_row, QStringLiteral("text za uzavírací uvozovkou"));
        return value;
    }

    const QString &m_text;
    const QChar m_separator;
    qsizetype m_position = 0;
    int m_row = 0;
};

QString formatCell(const QString &cell, QChar separator)
{
    const bool needsQuotes = cell.contains(separator) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}

QList<CsvRow> Csv::parse(const QString &text, QChar separator)
{
    return CsvParser(text, separator).rows();
}

QChar Csv::detectSeparator(const QString &text)
{
    const QString candidates = QStringLiteral(",;\t");
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && candidates.contains(c))
            ++counts[candidates.indexOf(c)];
    }
    const auto most = std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts);
    return counts[most] > 0 ? candidates[most] : QLatin1Char(',');
}

std::optional<QChar> Csv::excelSeparator(QStringView firstLine)
{
    if (firstLine.size() < 5 || !firstLine.startsWith(QLatin1String("sep="), Qt::CaseInsensitive))
        return std::nullopt;
    const QChar separator = firstLine[4];
    const bool alone = std::all_of(firstLine.begin() + 5, firstLine.end(), [separator](QChar c) { return c == separator || c.isSpace(); });
    return alone ? std::optional(separator) : std::nullopt;
}

QString Csv::formatRow(const QStringList &cells, QChar separator)
{
    QStringList formatted;
    formatted.reserve(cells.size());
    for (const QString &cell : cells)
        formatted.append(formatCell(cell, separator));
    return formatted.join(separator) + QLatin1Char('\n');
}
