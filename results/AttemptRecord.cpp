// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/AttemptRecord.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace results {

namespace {
struct EndingName
{
    Ending ending;
    const char16_t *text;
};

constexpr EndingName EndingNames[] = {
    {Ending::Unfinished, u"nedokončen"},
    {Ending::TimeUp, u"čas vypršel"},
    {Ending::Ended, u"ukončen"},
};
}

QString endingText(Ending ending)
{
    for (const EndingName &name : EndingNames) {
        if (name.ending == ending)
            return QString::fromUtf16(name.text);
    }
    return {};
}

std::optional<Ending> endingFromText(const QString &text)
{
    for (const EndingName &name : EndingNames) {
        if (text == QString::fromUtf16(name.text))
            return name.ending;
    }
    return std::nullopt;
}

std::optional<FileFacts> readFileFacts(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    const QFileInfo info(file);
    return FileFacts{info.size(), info.lastModified(), QString::fromLatin1(hash.result().toHex())};
}

int AttemptRecord::answeredCount() const
{
    return static_cast<int>(std::count_if(questions.cbegin(), questions.cend(),
                                          [](const AttemptQuestion &question) { return question.given.has_value(); }));
}

QString attemptId(const QString &computer, const QDateTime &start, quint32 randomPart)
{
    QString name;
    for (const QChar c : computer) {
        // A host name's dots would read as an extension.
        if ((c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_')
            name += c;
        else if (c == u'.')
            name += u'-';
    }
    if (name.isEmpty())
        name = QStringLiteral("pocitac");
    return QStringLiteral("%1-%2-%3")
        .arg(name, start.toString(QStringLiteral("yyyyMMdd-HHmmss")))
        .arg(randomPart, 8, 16, QLatin1Char('0'));
}

}
