// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/InputFormat.h"

#include "bankfile/Csv.h"

#include <QString>

namespace {

bool isAikenAnswer(QStringView trimmed)
{
    if (!trimmed.startsWith(QLatin1String("ANSWER:")))
        return false;
    const QStringView letter = trimmed.mid(7).trimmed();
    return letter.size() == 1 && letter[0] >= QLatin1Char('A') && letter[0] <= QLatin1Char('Z');
}

// A category line, or an answer block opened outside a comment.
bool isGiftLine(QStringView line, QStringView trimmed)
{
    if (trimmed.startsWith(QLatin1String("$CATEGORY:")))
        return true;
    if (trimmed.startsWith(QLatin1String("//")))
        return false;
    for (qsizetype brace = line.indexOf(QLatin1Char('{')); brace >= 0; brace = line.indexOf(QLatin1Char('{'), brace + 1)) {
        if (brace == 0 || line[brace - 1] != QLatin1Char('\\'))
            return true;
    }
    return false;
}

}

bool FormatDetector::take(QStringView line)
{
    if (m_decided != InputFormat::Unknown)
        return true;
    const QStringView trimmed = line.trimmed();
    if (!m_sawText && trimmed.isEmpty())
        return false;
    const bool first = !m_sawText;
    m_sawText = true;
    if (first && trimmed.startsWith(QLatin1Char('<')))
        m_decided = InputFormat::MoodleXml;
    else if (first && Csv::excelSeparator(trimmed))
        m_headerNext = true;
    else if ((first || m_headerNext) && trimmed.contains(QLatin1String("dotaz"), Qt::CaseInsensitive)
             && trimmed.contains(QLatin1String("odp1"), Qt::CaseInsensitive))
        m_decided = InputFormat::Csv;
    else if (isAikenAnswer(trimmed))
        m_decided = InputFormat::Aiken;
    if (!first)
        m_headerNext = false;
    if (isGiftLine(line, trimmed))
        ++m_giftLines;
    return m_decided != InputFormat::Unknown;
}

InputFormat FormatDetector::format() const
{
    if (m_decided != InputFormat::Unknown)
        return m_decided;
    return m_giftLines > 0 ? InputFormat::Gift : InputFormat::Unknown;
}

InputFormat detectInputFormat(const QByteArray &content)
{
    const QString text = QString::fromUtf8(content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content);
    FormatDetector detector;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        if (detector.take(line))
            break;
    }
    return detector.format();
}
