// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString runPdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
}

namespace PdfText {

bool available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString extract(const QString &pdfPath)
{
    return runPdfToText({QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
}

QStringList pageTexts(const QString &pdfPath)
{
    QStringList pages = extract(pdfPath).split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed, the last one included.
    if (!pages.isEmpty() && pages.last().isEmpty())
        pages.removeLast();
    return pages;
}

QList<Word> wordBoxes(const QString &pdfPath)
{
    const QString boxes = runPdfToText({QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression wordBox(QStringLiteral(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    for (const QRegularExpressionMatch &match : wordBox.globalMatch(boxes)) {
        if (match.captured(1).isEmpty())
            ++page;
        else
            words.append({match.captured(1).toDouble(), match.captured(3), match.captured(2).toDouble(), page});
    }
    return words;
}

QList<double> leftsOf(const QList<Word> &words, const QString &text)
{
    QList<double> lefts;
    for (const Word &word : words) {
        if (word.text == text)
            lefts.append(word.left);
    }
    return lefts;
}

}
