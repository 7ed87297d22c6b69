// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/GiftWriter.h"

#include "bank/BankRules.h"
#include "bankfile/MoodleNaming.h"

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

// Moodle reads a wrong answer that begins with "%" (after spaces) as a weight: "~%100%celá"
// would be a second correct answer. An explicit zero weight before it keeps the text literal.
QString wrongAnswer(const QString &text)
{
    const bool looksWeighted = text.trimmed().startsWith(QLatin1Char('%'));
    return (looksWeighted ? QStringLiteral("%0%") : QString()) + escapedAnswer(text);
}

QString question(const BankRecord &record)
{
    QString gift = QStringLiteral("::%1::[plain]%2{\n").arg(escaped(moodleName(record)), escaped(record.dotaz));
    for (int a = 0; a < BankRules::AnswerCount; ++a) {
        const bool correct = a == record.cspravOdp;
        gift += QStringLiteral("\t%1%2\n").arg(correct ? QLatin1Char('=') : QLatin1Char('~'))
                    .arg(correct ? escapedAnswer(record.answer(a)) : wrongAnswer(record.answer(a)));
    }
    if (!record.komentar.isEmpty())
        gift += QStringLiteral("\t####%1\n").arg(escapedAnswer(record.komentar));
    return gift + QStringLiteral("}\n\n");
}

}

void writeGift(QIODevice &device, const QList<BankRecord> &records, const QList<GroupChoice> &groupNames,
               Progress &progress)
{
    QString category;
    for (qsizetype r = 0; r < records.size(); ++r) {
        if (r % RecordsPerStep == 0)
            progress.advance(r, records.size());
        const QString recordCategory = moodleCategory(records[r].skupina, groupNames);
        QString gift;
        if (recordCategory != category)
            gift = QStringLiteral("$CATEGORY: %1\n\n").arg(recordCategory);
        category = recordCategory;
        device.write((gift + question(records[r])).toUtf8());
    }
    progress.advance(records.size(), records.size());
}
