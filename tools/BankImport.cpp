#include "BankImport.h"

#include "Csv.h"
#include "platform/AppError.h"
#include "platform/Conversions.h"
#include "paradox/Table.h"
#include "paradox/TableWriter.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <array>

using paradox::FieldDef;
using paradox::FieldType;
using paradox::Value;

namespace {

// Short texts stay inside the record; longer ones go to the memo file.
constexpr int kMemoSize = 60;

struct Column
{
    const char *name;
    FieldType type;
    int size;
};

const std::array<Column, 8> kColumns = {{
    {"Cis", FieldType::Long, 4},
    {"Skupina", FieldType::Long, 4},
    {"Dotaz", FieldType::Memo, kMemoSize},
    {"Odp1", FieldType::Memo, kMemoSize},
    {"Odp2", FieldType::Memo, kMemoSize},
    {"Odp3", FieldType::Memo, kMemoSize},
    {"Komentar", FieldType::Memo, kMemoSize},
    {"CspravOdp", FieldType::Long, 4},
}};

class BankCsv
{
public:
    BankCsv(const QString &csvPath) : m_csvPath(QDir::toNativeSeparators(csvPath)) {}

    void convert(const QString &dbPath) const
    {
        const QList<CsvRow> rows = parseFile();
        if (rows.isEmpty())
            fail(1, QStringLiteral("chybí řádek se jmény polí"));
        const QList<int> columnOfField = mapHeader(rows.first());
        QList<FieldDef> fields;
        for (const Column &column : kColumns)
            fields.append({QString::fromLatin1(column.name), column.type, column.size});
        paradox::TableWriter writer(fields);
        for (qsizetype r = 1; r < rows.size(); ++r)
            addRow(writer, rows[r], columnOfField, rows.first().cells.size());
        writer.write(dbPath);
    }

private:
    [[noreturn]] void fail(int line, const QString &reason) const
    {
        throw AppError(QStringLiteral("Soubor %1, řádek %2: %3").arg(m_csvPath).arg(line).arg(reason));
    }

    QList<CsvRow> parseFile() const
    {
        QFile file(m_csvPath);
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("Soubor %1 nelze číst: %2").arg(m_csvPath, file.errorString()));
        QByteArray bytes = file.readAll();
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        const QList<QByteArray> lines = bytes.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            const QString decoded = decoder.decode(lines[i]);
            if (decoder.hasError())
                fail(static_cast<int>(i) + 1, QStringLiteral("text není v kódování UTF-8"));
        }
        try {
            return Csv::parse(QString::fromUtf8(bytes));
        } catch (const CsvError &error) {
            fail(error.line, error.reason);
        }
    }

    // For each bank field, its column in the file.
    QList<int> mapHeader(const CsvRow &header) const
    {
        QList<int> columnOfField(kColumns.size(), -1);
        for (qsizetype c = 0; c < header.cells.size(); ++c) {
            const QString name = TrimControl(header.cells[c]);
            const auto known = std::find_if(kColumns.cbegin(), kColumns.cend(), [&name](const Column &column) {
                return name.compare(QLatin1String(column.name), Qt::CaseInsensitive) == 0;
            });
            if (known == kColumns.cend())
                fail(header.line, QStringLiteral("neznámé pole „%1“").arg(name));
            const auto field = known - kColumns.cbegin();
            if (columnOfField[field] >= 0)
                fail(header.line, QStringLiteral("pole %1 je uvedeno dvakrát").arg(name));
            columnOfField[field] = static_cast<int>(c);
        }
        for (qsizetype f = 0; f < columnOfField.size(); ++f) {
            if (columnOfField[f] < 0)
                fail(header.line, QStringLiteral("chybí pole %1").arg(QLatin1String(kColumns[f].name)));
        }
        return columnOfField;
    }

    void addRow(paradox::TableWriter &writer, const CsvRow &row, const QList<int> &columnOfField, qsizetype columns) const
    {
        if (row.cells.size() != columns)
            fail(row.line, QStringLiteral("řádek má %1 hodnot místo %2").arg(row.cells.size()).arg(columns));
        QList<Value> values;
        for (qsizetype f = 0; f < columnOfField.size(); ++f) {
            const QString &cell = row.cells[columnOfField[f]];
            if (kColumns[f].type != FieldType::Long) {
                values.append(cell);
                continue;
            }
            const auto number = TryStrToInt(TrimControl(cell));
            if (!number)
                fail(row.line, QStringLiteral("%1 „%2“ není celé číslo").arg(QLatin1String(kColumns[f].name), cell));
            values.append(qint64(*number));
        }
        try {
            writer.addRecord(values);
        } catch (const paradox::TableError &error) {
            fail(row.line, error.message());
        }
    }

    QString m_csvPath;
};

}

void ImportBank(const QString &csvPath, const QString &dbPath)
{
    BankCsv(csvPath).convert(dbPath);
}
