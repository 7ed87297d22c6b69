// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordWarnings.h"

#include <QDir>
#include <QHash>

namespace {

QString place(const QuestionRecord &record)
{
    return QStringLiteral("Soubor %1, řádek %2").arg(QDir::toNativeSeparators(record.file)).arg(record.line);
}

}

QStringList recordWarnings(const QList<QuestionRecord> &records)
{
    QStringList warnings;
    QHash<qint32, const QuestionRecord *> firstWithNumber;
    for (const QuestionRecord &record : records) {
        if (record.correct < 0 || record.correct > 2)
            warnings.append(QStringLiteral("%1: CspravOdp %2 není 0, 1 ani 2, žádná odpověď nebude správná")
                                .arg(place(record)).arg(record.correct));
        if (record.group < 1 || record.group > 3)
            warnings.append(QStringLiteral("%1: Skupina %2 není 1, 2 ani 3, otázka se do testu nedostane")
                                .arg(place(record)).arg(record.group));
        const QuestionRecord *&first = firstWithNumber[record.number];
        if (first)
            warnings.append(QStringLiteral("%1: Cis %2 se opakuje (poprvé na řádku %3)")
                                .arg(place(record)).arg(record.number).arg(first->line));
        else
            first = &record;
    }
    return warnings;
}
