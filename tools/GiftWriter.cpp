// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GiftWriter.h"

namespace {

// GIFT's special characters behind a backslash, a line break as "\n" so that no line of the
// text can end the question or read as a comment.
QString escaped(const QString &text)
{
    static const QString special = QStringLiteral("~=#{}:\\");
    QString gift;
    gift.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            gift += QLatin1String("\\n");
            continue;
        }
        if (special.contains(c))
            gift += QLatin1Char('\\');
        gift += c;
    }
    return gift;
}

// An answer or feedback starting with "[" would read as a format of its own.
QString escapedAnswer(const QString &text)
{
    return text.startsWith(QLatin1Char('[')) ? QStringLiteral("[plain]") + escaped(text) : escaped(text);
}

QString question(const ExportedQuestion &question)
{
    QString gift = QStringLiteral("::%1::[plain]%2{\n").arg(escaped(question.name), escaped(question.text));
    for (int a = 0; a < 3; ++a)
        gift += QStringLiteral("\t%1%2\n").arg(a == question.correct ? QLatin1Char('=') : QLatin1Char('~'))
                    .arg(escapedAnswer(question.answers[a]));
    if (!question.comment.isEmpty())
        gift += QStringLiteral("\t####%1\n").arg(escapedAnswer(question.comment));
    return gift + QStringLiteral("}\n\n");
}

}

void writeGift(QIODevice &device, const QList<ExportedQuestion> &questions)
{
    QString category;
    for (const ExportedQuestion &exported : questions) {
        QString gift;
        if (exported.category != category)
            gift = QStringLiteral("$CATEGORY: %1\n\n").arg(exported.category);
        category = exported.category;
        device.write((gift + question(exported)).toUtf8());
    }
}
