// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionImport.h"

#include "AikenReader.h"
#include "GiftReader.h"
#include "ImportError.h"
#include "InputFile.h"
#include "InputFormat.h"
#include "MoodleXmlReader.h"

#include <QStringDecoder>

namespace {

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

}

ImportResult readQuestionFile(const QString &path, const CsvQuestionReader &readCsv)
{
    QByteArray bytes = readInputFile(path);
    if (bytes.trimmed().isEmpty())
        throw ImportError(path, 0, QStringLiteral("soubor je prázdný"));
    const InputFormat format = detectInputFormat(bytes);
    if (format == InputFormat::Csv && readCsv) {
        bytes = QByteArray(); // the CSV reader reads the file itself
        ImportResult result;
        result.questions = readCsv(path);
        return result;
    }
    if (format == InputFormat::Csv || format == InputFormat::Unknown)
        throw ImportError(path, 0, readCsv ? QStringLiteral("obsah není banka CSV, Moodle XML, GIFT ani Aiken")
                                           : QStringLiteral("obsah není Moodle XML, GIFT ani Aiken"));
    const QString text = decodeUtf8(path, bytes);
    bytes = QByteArray(); // the text alone is read from here on
    if (format == InputFormat::MoodleXml)
        return readMoodleXml(path, text);
    return format == InputFormat::Gift ? readGift(path, text) : readAiken(path, text);
}

ImportResult importQuestions(const QStringList &paths, const QList<GroupChoice> &choices,
                             const CsvQuestionReader &readCsv)
{
    ImportResult all;
    for (const QString &path : paths)
        all.append(readQuestionFile(path, readCsv));
    assignGroups(all.questions, choices, paths);
    return all;
}
