// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/CsvBank.h"

#include "bank/BankTable.h"
#include "bankfile/ImportError.h"
#include "paradox/TextCodec.h"
#include "platform/core/Conversions.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// The bank's fields in table order.
enum Field { Cis, Skupina, Dotaz, Odp1, Odp2, Odp3, Komentar, CspravOdp, FieldCount };

QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: what a Czech Windows spreadsheet saves as plain CSV.
    const paradox::TextCodec windows1250(1250);
    return windows1250.decode(bytes.constData(), bytes.size());
}

// CspravOdp as spreadsheets hold it: A, B, C in any case, or the number.
std::optional<qint32> answerIndex(const QString &cell)
{
    const QString text = trimControl(cell);
    if (text.size() == 1 && QStringLiteral("ABC").contains(text[0].toUpper()))
        return static_cast<qint32>(QStringLiteral("ABC").indexOf(text[0].toUpper()));
    return tryStrToInt(text);
}

bool isEmptyRow(const CsvRow &row)
{
    return std::all_of(row.cells.cbegin(), row.cells.cend(), [](const QString &cell) { return trimControl(cell).isEmpty(); });
}

// Reads every row it can and notes every fault with its row, so that one run names them all.
class CsvBankReader
{
public:
    explicit CsvBankReader(const QString &file) : m_file(file), m_names(BankTable::fieldNames()) {}

    BankContent read(const QByteArray &bytes)
    {
        QString text = decoded(bytes);
        // Excel's "sep=" line names the separator and is no row of the sheet.
        const qsizetype firstEnd = text.indexOf(QLatin1Char('\n'));
        const std::optional<QChar> separator = Csv::excelSeparator(QStringView(text).first(firstEnd < 0 ? text.size() : firstEnd));
        if (separator)
            text.remove(0, firstEnd < 0 ? text.size() : firstEnd + 1);
        m_separator = separator ? *separator : Csv::detectSeparator(text);
        QList<CsvRow> rows;
        try {
            rows = Csv::parse(text, m_separator);
        } catch (const CsvError &error) {
            throw ImportError(m_file, error.row, error.reason + QStringLiteral("; uvozovky uvnitř textu zdvojte"));
        }
        if (rows.isEmpty())
            throw ImportError(m_file, 1, QStringLiteral("chybí řádek se jmény sloupců"));
        if (mapHeader(rows.first())) {
            for (qsizetype r = 1; r < rows.size(); ++r) {
                if (!isEmptyRow(rows[r]))
                    addRow(rows[r], rows.first().cells.size());
            }
        }
        return m_content;
    }

private:
    void note(FindingKind kind, int row, const QString &field, const QStringList &values)
    {
        Finding finding = inputFinding(kind, m_file, row);
        finding.field = field;
        finding.values = values;
        if (kind != FindingKind::UnknownColumns && kind != FindingKind::MissingColumns && kind != FindingKind::DuplicateColumn)
            finding.record = static_cast<int>(m_content.records.size());
        m_content.findings.append(finding);
    }

    // Whether the rows can be read: the header names every field the bank needs.
    bool mapHeader(const CsvRow &header)
    {
        m_columnOf.fill(-1);
        QStringList unknown;
        for (qsizetype c = 0; c < header.cells.size(); ++c) {
            const QString name = trimControl(header.cells[c]);
            const qsizetype field = std::find_if(m_names.cbegin(), m_names.cend(), [&name](const QString &known) {
                                        return name.compare(known, Qt::CaseInsensitive) == 0;
                                    }) - m_names.cbegin();
            if (field == m_names.size() && !name.isEmpty())
                unknown.append(name);
            else if (field == m_names.size())
                continue;
            else if (m_columnOf[field] >= 0)
                note(FindingKind::DuplicateColumn, header.row, m_names[field], {});
            else
                m_columnOf[field] = static_cast<int>(c);
        }
        if (!unknown.isEmpty())
            note(FindingKind::UnknownColumns, header.row, QString(), unknown);
        QStringList missing;
        for (int f = Skupina; f < FieldCount; ++f) {
            if (m_columnOf[f] < 0 && f != Komentar)
                missing.append(m_names[f]);
        }
        if (!missing.isEmpty())
            note(FindingKind::MissingColumns, header.row, QString(), missing);
        return missing.isEmpty();
    }

    void addRow(const CsvRow &row, qsizetype columns)
    {
        // Cells of a row of another length may lie in the wrong columns; only the length is named.
        m_checkCells = row.cells.size() == columns;
        if (!m_checkCells)
            note(FindingKind::WrongCellCount, row.row, QString(),
                 {QString::number(row.cells.size()), QString::number(columns), QString(m_separator)});
        BankRecord record;
        record.cis = number(row, Cis, tryStrToInt);
        record.skupina = number(row, Skupina, tryStrToInt);
        record.dotaz = cell(row, Dotaz);
        record.odp1 = cell(row, Odp1);
        record.odp2 = cell(row, Odp2);
        record.odp3 = cell(row, Odp3);
        record.komentar = cell(row, Komentar);
        record.cspravOdp = number(row, CspravOdp, answerIndex);
        RecordOrigin origin;
        origin.file = m_file;
        origin.line = row.row;
        origin.ownNumber = m_columnOf[Cis] >= 0;
        origin.ownGroup = true;
        m_content.records.append(record);
        m_content.origins.append(origin);
    }

    QString cell(const CsvRow &row, Field field) const
    {
        return m_columnOf[field] >= 0 ? row.cells.value(m_columnOf[field]) : QString();
    }

    qint32 number(const CsvRow &row, Field field, std::optional<qint32> (*read)(const QString &))
    {
        if (m_columnOf[field] < 0)
            return 0;
        const std::optional<qint32> value = read(trimControl(cell(row, field)));
        if (!value && m_checkCells)
            note(field == CspravOdp ? FindingKind::NotAnAnswer : FindingKind::NotANumber, row.row, m_names[field],
                 {cell(row, field)});
        return value.value_or(0);
    }

    QString m_file;
    const QStringList m_names;
    std::array<int, FieldCount> m_columnOf{};
    QChar m_separator;
    bool m_checkCells = true;
    BankContent m_content;
};

}

BankContent readCsvBank(const QByteArray &content, const QString &file)
{
    return CsvBankReader(file).read(content);
}

void writeCsvBank(QIODevice &device, const QList<BankRecord> &records, const CsvStyle &style)
{
    if (style.byteOrderMark)
        device.write("\xEF\xBB\xBF");
    device.write(Csv::formatRow(BankTable::fieldNames(), style.separator).toUtf8());
    for (const BankRecord &record : records) {
        const QStringList cells = {QString::number(record.cis), QString::number(record.skupina), record.dotaz,
                                   record.odp1, record.odp2, record.odp3, record.komentar,
                                   QString::number(record.cspravOdp)};
        device.write(Csv::formatRow(cells, style.separator).toUtf8());
    }
}
