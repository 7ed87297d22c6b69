// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionImport.h"

#include "AikenReader.h"
#include "GiftReader.h"
#include "ImportError.h"
#include "InputFormat.h"
#include "MoodleXmlReader.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString decodeUtf8(const QString &path, const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QList<QByteArray> lines = bytes.split('\n');
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text.append(QLatin1Char('\n'));
        text.append(decoder.decode(lines[i]));
        if (decoder.hasError())
            throw ImportError(path, static_cast<int>(i) + 1, QStringLiteral("text není v kódování UTF-8"));
    }
    return text;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(path, 0, QStringLiteral("nelze číst: %1").arg(file.errorString()));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return bytes;
}

}

ImportResult readQuestionFile(const QString &path, const CsvQuestionReader &readCsv)
{
    const QByteArray bytes = readBytes(path);
    if (bytes.trimmed().isEmpty())
        throw ImportError(path, 0, QStringLiteral("soubor je prázdný"));
    switch (detectInputFormat(bytes)) {
    case InputFormat::MoodleXml:
        return readMoodleXml(path, bytes);
    case InputFormat::Gift:
        return readGift(path, decodeUtf8(path, bytes));
    case InputFormat::Aiken:
        return readAiken(path, decodeUtf8(path, bytes));
    case InputFormat::Csv:
        if (readCsv) {
            ImportResult result;
            result.questions = readCsv(path);
            return result;
        }
        break;
    case InputFormat::Unknown:
        break;
    }
    throw ImportError(path, 0, readCsv ? QStringLiteral("obsah není banka CSV, Moodle XML, GIFT ani Aiken")
                                       : QStringLiteral("obsah není Moodle XML, GIFT ani Aiken"));
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
