// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/InputFormat.h"

#include <QRegularExpression>
#include <QString>

namespace {

bool hasLine(const QString &text, const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

// A CSV bank names the question and answer fields on its first line.
bool isCsvHeader(const QString &text)
{
    const QString header = text.section(QLatin1Char('\n'), 0, 0).toLower();
    return header.contains(QLatin1String("dotaz")) && header.contains(QLatin1String("odp1"));
}

}

InputFormat detectInputFormat(const QByteArray &content)
{
    const QString text = QString::fromUtf8(content).remove(QChar(0xFEFF));
    const QString start = text.trimmed();
    if (start.startsWith(QLatin1Char('<')))
        return InputFormat::MoodleXml;
    if (isCsvHeader(start))
        return InputFormat::Csv;
    if (hasLine(text, QStringLiteral(R"(^\s*ANSWER:\s*[A-Z]\s*$)")))
        return InputFormat::Aiken;
    if (hasLine(text, QStringLiteral(R"(^\s*\$CATEGORY:)")) || hasLine(text, QStringLiteral(R"(^(?!\s*//).*(?<!\\)\{)")))
        return InputFormat::Gift;
    return InputFormat::Unknown;
}
