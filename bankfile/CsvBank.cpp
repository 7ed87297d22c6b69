// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/CsvBank.h"

#include "bank/BankTable.h"
#include "bankfile/ImportError.h"
#include "paradox/TextCodec.h"
#include "platform/core/Conversions.h"

#include <QStringDecoder>
#include <array>

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

class CsvBankReader
{
public:
    explicit CsvBankReader(const QString &file) : m_file(file), m_names(BankTable::fieldNames()) {}

    BankContent read(const QByteArray &bytes)
    {
        const QString text = decoded(bytes);
        QList<CsvRow> rows;
        try {
            rows = Csv::parse(text, Csv::detectSeparator(text));
        } catch (const CsvError &error) {
            fail(error.line, error.reason);
        }
        if (rows.isEmpty())
            fail(1, QStringLiteral("chybí řádek se jmény polí"));
        mapHeader(rows.first());
        BankContent content;
        for (qsizetype r = 1; r < rows.size(); ++r) {
            content.records.append(record(rows[r], rows.first().cells.size()));
            content.origins.append(origin(rows[r]));
        }
        return content;
    }

private:
    [[noreturn]] void fail(int line, const QString &reason) const { throw ImportError(m_file, line, reason); }

    void mapHeader(const CsvRow &header)
    {
        m_columnOf.fill(-1);
        for (qsizetype c = 0; c < header.cells.size(); ++c) {
            const QString name = trimControl(header.cells[c]);
            const auto known = std::find_if(m_names.cbegin(), m_names.cend(), [&name](const QString &field) {
                return name.compare(field, Qt::CaseInsensitive) == 0;
            });
            if (known == m_names.cend())
                fail(header.line, QStringLiteral("neznámé pole „%1“").arg(name));
            const auto field = known - m_names.cbegin();
            if (m_columnOf[field] >= 0)
                fail(header.line, QStringLiteral("pole %1 je uvedeno dvakrát").arg(name));
            m_columnOf[field] = static_cast<int>(c);
        }
        for (int f = Skupina; f < FieldCount; ++f) {
            if (m_columnOf[f] < 0)
                fail(header.line, QStringLiteral("chybí pole %1").arg(m_names[f]));
        }
    }

    BankRecord record(const CsvRow &row, qsizetype columns) const
    {
        if (row.cells.size() != columns)
            fail(row.line, QStringLiteral("řádek má %1 hodnot místo %2").arg(row.cells.size()).arg(columns));
        BankRecord record;
        if (m_columnOf[Cis] >= 0)
            record.cis = number(row, Cis);
        record.skupina = number(row, Skupina);
        record.dotaz = cell(row, Dotaz);
        record.odp1 = cell(row, Odp1);
        record.odp2 = cell(row, Odp2);
        record.odp3 = cell(row, Odp3);
        record.komentar = cell(row, Komentar);
        record.cspravOdp = number(row, CspravOdp);
        return record;
    }

    RecordOrigin origin(const CsvRow &row) const
    {
        RecordOrigin origin;
        origin.file = m_file;
        origin.line = row.line;
        origin.ownNumber = m_columnOf[Cis] >= 0;
        origin.ownGroup = true;
        return origin;
    }

    QString cell(const CsvRow &row, Field field) const { return row.cells[m_columnOf[field]]; }

    qint32 number(const CsvRow &row, Field field) const
    {
        const auto value = tryStrToInt(trimControl(cell(row, field)));
        if (!value)
            fail(row.line, QStringLiteral("pole %1: „%2“ není celé číslo").arg(m_names[field], cell(row, field)));
        return *value;
    }

    QString m_file;
    const QStringList m_names;
    std::array<int, FieldCount> m_columnOf{};
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
