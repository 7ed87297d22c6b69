// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankImport.h"

#include "bankfile/AikenReader.h"
#include "bankfile/CsvBank.h"
#include "bankfile/GiftReader.h"
#include "bankfile/ImportError.h"
#include "bankfile/InputFormat.h"
#include "bankfile/InputLines.h"
#include "bankfile/MoodleXmlReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Fewer bytes than any real GIFT question takes; a bank of shorter ones only grows its lists.
constexpr qint64 MinGiftQuestionBytes = 128;

// The first line that is not UTF-8 is named; finding it takes a second pass only then.
QString decodeUtf8(const QString &path, const QByteArray &bytes)
{
    QStringDecoder whole(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = whole.decode(bytes);
    if (!whole.hasError())
        return text;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    int line = 1;
    for (qsizetype start = 0;; ++line) {
        const qsizetype end = bytes.indexOf('\n', start);
        // The decoder decodes when its result becomes a QString.
        const QString part = decoder.decode(QByteArrayView(bytes).sliced(start, (end < 0 ? bytes.size() : end) - start));
        if (decoder.hasError() || end < 0)
            break;
        start = end + 1;
    }
    throw ImportError(path, line, QStringLiteral("text není v kódování UTF-8"));
}

// A part of a longer operation: its steps shown within the whole's.
class PartProgress : public Progress
{
public:
    PartProgress(Progress &whole, qint64 offset, qint64 total) : m_whole(whole), m_offset(offset), m_total(total) {}
    void step(qint64 done, qint64) override { m_whole.step(m_offset + done, m_total); }
    bool cancelled() const override { return m_whole.cancelled(); }

private:
    Progress &m_whole;
    const qint64 m_offset;
    const qint64 m_total;
};

// The format of a file read a line at a time, without holding it; the device is left where it was.
FormatDetector scannedFormat(QIODevice &device, const QString &name, qint64 sizeLimit)
{
    const qint64 start = device.pos();
    DeviceLines lines(device, name, sizeLimit, false, noProgress());
    FormatDetector detector;
    QString line;
    while (lines.next(line) && !detector.take(line)) {
    }
    device.seek(start);
    if (!detector.sawText())
        throw ImportError(name, 0, QStringLiteral("soubor je prázdný"));
    return detector;
}

BankContent readWhole(QByteArray bytes, InputFormat format, const QString &name)
{
    if (format == InputFormat::Csv)
        return readCsvBank(bytes, name);
    if (format == InputFormat::Unknown)
        throw ImportError(name, 0, QStringLiteral("obsah není banka CSV, Moodle XML, GIFT ani Aiken"));
    const QString text = decodeUtf8(name, bytes);
    bytes = QByteArray(); // the text alone is read from here on
    if (format == InputFormat::MoodleXml)
        return readMoodleXml(name, text);
    return format == InputFormat::Gift ? readGift(name, text) : readAiken(name, text);
}

// One input's questions in whichever format its content shows. A GIFT file is read a line at a
// time, so that a large one is never held whole beside its questions.
BankContent readQuestions(QIODevice &device, const QString &name, qint64 sizeLimit, Progress &progress)
{
    openInput(device, name);
    if (!device.isSequential() && !startsAsUtf16(device)) {
        const FormatDetector scanned = scannedFormat(device, name, sizeLimit);
        if (scanned.format() == InputFormat::Gift) {
            DeviceLines lines(device, name, sizeLimit, true, progress);
            // The lines that look like GIFT are the input's to choose: reserve no more
            // questions than its size can hold.
            return readGift(name, lines, std::min<qint64>(scanned.giftLines(), device.size() / MinGiftQuestionBytes));
        }
        return readWhole(readInput(device, name, sizeLimit), scanned.format(), name);
    }
    QByteArray bytes = readInput(device, name, sizeLimit);
    if (bytes.trimmed().isEmpty())
        throw ImportError(name, 0, QStringLiteral("soubor je prázdný"));
    const InputFormat format = detectInputFormat(bytes);
    return readWhole(std::move(bytes), format, name);
}

void append(BankContent &all, BankContent &&more)
{
    if (all.records.isEmpty() && all.findings.isEmpty()) {
        all = std::move(more);
        return;
    }
    all.records += more.records;
    all.origins += more.origins;
    for (Finding finding : std::as_const(more.findings)) {
        if (finding.record >= 0)
            finding.record += static_cast<int>(all.records.size() - more.records.size());
        all.findings.append(finding);
    }
}

// Numbers that CSV inputs bring would collide between inputs; the bank numbered in order has
// every question reachable.
void numberInOrder(BankContent &content)
{
    bool dropped = false;
    for (qsizetype i = 0; i < content.records.size(); ++i) {
        dropped = dropped || content.origins[i].ownNumber;
        content.origins[i].ownNumber = false;
    }
    if (!dropped)
        return;
    Finding numbered;
    numbered.source = FindingSource::Build;
    numbered.kind = FindingKind::NumberedInOrder;
    numbered.field = QStringLiteral("Cis");
    content.findings.append(numbered);
}

// A question without a number of its own is numbered by its place in the list.
void numberTheRest(BankContent &content)
{
    for (qsizetype i = 0; i < content.records.size(); ++i) {
        if (!content.origins[i].ownNumber)
            content.records[i].cis = static_cast<qint32>(i);
    }
}

qint64 sizeOf(const QString &path)
{
    return QFileInfo(path).size();
}

}

BankContent importFiles(const QStringList &paths, const ImportOptions &options, Progress &progress)
{
    qint64 total = 0;
    for (const QString &path : paths)
        total += sizeOf(path);
    BankContent all;
    qint64 done = 0;
    for (const QString &path : paths) {
        progress.advance(done, total);
        QFile file(path);
        PartProgress part(progress, done, total);
        append(all, readQuestions(file, path, options.sizeLimit, part));
        done += sizeOf(path);
    }
    assignGroups(all, options.groups, paths);
    if (paths.size() > 1)
        numberInOrder(all);
    numberTheRest(all);
    progress.advance(total, total);
    return all;
}

BankContent importInput(QIODevice &device, const QString &name, const ImportOptions &options, Progress &progress)
{
    BankContent content = readQuestions(device, name, options.sizeLimit, progress);
    assignGroups(content, options.groups, {name});
    numberTheRest(content);
    return content;
}
