// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankExport.h"

#include "bank/BankRules.h"
#include "bank/BankTable.h"
#include "bankfile/BankFile.h"
#include "bankfile/CsvBank.h"
#include "bankfile/GiftWriter.h"
#include "bankfile/MoodleXmlWriter.h"
#include "bankfile/SaveFile.h"

#include <QFileInfo>
#include <QHash>

namespace {

// Texts Moodle's GIFT import turns into the characters they stand for (its own escapes).
const QStringList GiftPlaceholders = {QStringLiteral("&&058;"), QStringLiteral("&&035;"), QStringLiteral("&&061;"),
                                      QStringLiteral("&&123;"), QStringLiteral("&&125;"), QStringLiteral("&&126;"),
                                      QStringLiteral("&&010"),  QStringLiteral("&&092;")};

// XML 1.0 carries no control characters but tab and line ends (which are LF by now).
bool hasForbiddenCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n'); });
}

// A text with LF line breaks as Moodle keeps them; banks made on Windows hold CRLF.
QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

BankRecord forMoodle(BankRecord record)
{
    for (QString *text : {&record.dotaz, &record.odp1, &record.odp2, &record.odp3, &record.komentar})
        *text = withLineFeeds(*text);
    return record;
}

// The record's texts by field, in table order.
QList<std::pair<QString, QString>> texts(const BankRecord &record)
{
    return {{BankTable::Dotaz, record.dotaz}, {BankTable::Odp1, record.odp1}, {BankTable::Odp2, record.odp2},
            {BankTable::Odp3, record.odp3}, {BankTable::Komentar, record.komentar}};
}

class Exporter
{
public:
    Exporter(const BankContent &content, ExportFormat format) : m_content(content), m_format(format) {}

    // The records the format takes, each finding about the others and about what Moodle changes.
    QList<BankRecord> records()
    {
        const QList<bool> unreadable = m_content.unreadableRecords();
        QHash<int, QList<Finding>> unread;
        for (const Finding &read : m_content.findings) {
            if (read.kind == FindingKind::UnreadableValue)
                unread[read.record].append(read);
        }
        QList<BankRecord> taken;
        for (int r = 0; r < m_content.records.size(); ++r) {
            if (unreadable[r]) {
                leaveOutUnreadable(r, unread.value(r));
                continue;
            }
            const BankRecord record = m_format == ExportFormat::Csv ? m_content.records[r] : forMoodle(m_content.records[r]);
            if (m_format == ExportFormat::Csv || mayGo(r, record))
                taken.append(record);
        }
        return taken;
    }

    QList<Finding> findings() const { return m_findings; }

private:
    void add(FindingKind kind, int record, const QString &field = QString(), const QStringList &values = {})
    {
        Finding finding = m_content.findingAbout(FindingSource::Export, kind, record);
        finding.field = field;
        finding.values = values;
        m_findings.append(finding);
    }

    void leaveOutUnreadable(int record, const QList<Finding> &unread)
    {
        for (const Finding &read : unread) {
            add(FindingKind::UnreadableValue, record, read.field, read.values);
            m_findings.last().cis.reset();
        }
    }

    // Whether Moodle takes the record; finds why not, or what it changes.
    bool mayGo(int r, const BankRecord &record)
    {
        if (!BankRules::isAnswerIndex(record.cspravOdp)) {
            add(FindingKind::AnswerOutOfRange, r, BankTable::CspravOdp, {QString::number(record.cspravOdp)});
            return false;
        }
        for (const auto &[field, text] : texts(record)) {
            if (field != BankTable::Komentar && BankRules::isBlankText(text)) {
                add(FindingKind::EmptyText, r, field);
                return false;
            }
            if (hasForbiddenCharacter(text)) {
                add(FindingKind::ControlCharacter, r, field);
                return false;
            }
        }
        for (const auto &[field, text] : texts(record))
            warnOfChanges(r, field, text);
        return true;
    }

    void warnOfChanges(int r, const QString &field, const QString &text)
    {
        if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
            add(FindingKind::SurroundingSpace, r, field);
        if (m_format != ExportFormat::Gift)
            return;
        for (const QString &placeholder : GiftPlaceholders) {
            if (text.contains(placeholder)) {
                add(FindingKind::MoodlePlaceholder, r, field, {placeholder});
                return;
            }
        }
    }

    const BankContent &m_content;
    const ExportFormat m_format;
    QList<Finding> m_findings;
};

void write(QIODevice &device, const QList<BankRecord> &records, const ExportOptions &options, Progress &progress)
{
    switch (options.format) {
    case ExportFormat::MoodleXml:
        writeMoodleXml(device, records, options.groupNames, progress);
        break;
    case ExportFormat::Gift:
        writeGift(device, records, options.groupNames, progress);
        break;
    case ExportFormat::Csv:
        writeCsvBank(device, records);
        break;
    }
}

}

ExportResult exportBank(const BankContent &content, const ExportOptions &options, QIODevice &device, Progress &progress)
{
    Exporter exporter(content, options.format);
    const QList<BankRecord> records = exporter.records();
    write(device, records, options, progress);
    return {static_cast<int>(records.size()), exporter.findings()};
}

ExportResult exportBankFile(const BankContent &content, const ExportOptions &options, const QString &path,
                            Progress &progress)
{
    requireBankFields(content);
    Exporter exporter(content, options.format);
    const QList<BankRecord> records = exporter.records();
    const ExportResult result{static_cast<int>(records.size()), exporter.findings()};
    if (records.isEmpty())
        return result;
    saveFile(path, [&](QIODevice &file) { write(file, records, options, progress); });
    return result;
}

std::optional<ExportFormat> exportFormatOf(const QString &nameOrExtension)
{
    const QString extension = nameOrExtension.contains(QLatin1Char('.')) ? QFileInfo(nameOrExtension).suffix().toLower()
                                                                          : nameOrExtension.toLower();
    if (extension == QLatin1String("xml"))
        return ExportFormat::MoodleXml;
    if (extension == QLatin1String("gift") || extension == QLatin1String("txt"))
        return ExportFormat::Gift;
    if (extension == QLatin1String("csv"))
        return ExportFormat::Csv;
    return std::nullopt;
}
