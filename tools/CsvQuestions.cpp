// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CsvQuestions.h"

#include "Csv.h"
#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"
#include "platform/core/SystemError.h"
#include "paradox/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <array>
#include <cerrno>

namespace {

enum Field { Cis, Skupina, Dotaz, Odp1, Odp2, Odp3, Komentar, CspravOdp, FieldCount };

const std::array<const char *, FieldCount> FieldNames = {"Cis",  "Skupina", "Dotaz",    "Odp1",
                                                          "Odp2", "Odp3",    "Komentar", "CspravOdp"};

class CsvBankReader
{
public:
    explicit CsvBankReader(const QString &path) : m_path(QDir::toNativeSeparators(path)) {}

    QList<ImportedQuestion> read()
    {
        const QString text = decodedFile();
        QList<CsvRow> rows;
        try {
            rows = Csv::parse(text, Csv::detectSeparator(text));
        } catch (const CsvError &error) {
            fail(error.line, error.reason);
        }
        if (rows.isEmpty())
            fail(1, QStringLiteral("chybí řádek se jmény polí"));
        mapHeader(rows.first());
        QList<ImportedQuestion> questions;
        for (qsizetype r = 1; r < rows.size(); ++r)
            questions.append(question(rows[r], rows.first().cells.size()));
        return questions;
    }

private:
    [[noreturn]] void fail(int line, const QString &reason) const
    {
        throw AppError(QStringLiteral("Soubor %1, řádek %2: %3").arg(m_path).arg(line).arg(reason));
    }

    QString decodedFile() const
    {
        QFile file(m_path);
        errno = 0;
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("Soubor %1 nelze číst: %2").arg(m_path, SystemError::text(file.error(), errno)));
        QByteArray bytes = file.readAll();
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
        // Not UTF-8: what a Czech Windows spreadsheet saves as plain CSV.
        const paradox::TextCodec windows1250(1250);
        return windows1250.decode(bytes.constData(), bytes.size());
    }

    void mapHeader(const CsvRow &header)
    {
        m_columnOf.fill(-1);
        for (qsizetype c = 0; c < header.cells.size(); ++c) {
            const QString name = trimControl(header.cells[c]);
            const auto known = std::find_if(FieldNames.cbegin(), FieldNames.cend(), [&name](const char *field) {
                return name.compare(QLatin1String(field), Qt::CaseInsensitive) == 0;
            });
            if (known == FieldNames.cend())
                fail(header.line, QStringLiteral("neznámé pole „%1“").arg(name));
            const auto field = known - FieldNames.cbegin();
            if (m_columnOf[field] >= 0)
                fail(header.line, QStringLiteral("pole %1 je uvedeno dvakrát").arg(name));
            m_columnOf[field] = static_cast<int>(c);
        }
        for (int f = Skupina; f < FieldCount; ++f) {
            if (m_columnOf[f] < 0)
                fail(header.line, QStringLiteral("chybí pole %1").arg(QLatin1String(FieldNames[f])));
        }
    }

    ImportedQuestion question(const CsvRow &row, qsizetype columns) const
    {
        if (row.cells.size() != columns)
            fail(row.line, QStringLiteral("řádek má %1 hodnot místo %2").arg(row.cells.size()).arg(columns));
        ImportedQuestion question;
        question.file = m_path;
        question.line = row.line;
        if (m_columnOf[Cis] >= 0)
            question.number = number(row, Cis);
        question.group = number(row, Skupina);
        question.text = cell(row, Dotaz);
        question.answers = {cell(row, Odp1), cell(row, Odp2), cell(row, Odp3)};
        question.comment = cell(row, Komentar);
        question.correct = number(row, CspravOdp);
        return question;
    }

    QString cell(const CsvRow &row, Field field) const { return row.cells[m_columnOf[field]]; }

    qint32 number(const CsvRow &row, Field field) const
    {
        const auto value = tryStrToInt(trimControl(cell(row, field)));
        if (!value)
            fail(row.line, QStringLiteral("pole %1: „%2“ není celé číslo")
                               .arg(QLatin1String(FieldNames[field]), cell(row, field)));
        return *value;
    }

    QString m_path;
    std::array<int, FieldCount> m_columnOf{};
};

}

QList<ImportedQuestion> readCsvQuestions(const QString &path)
{
    return CsvBankReader(path).read();
}
