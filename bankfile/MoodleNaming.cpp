// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/MoodleNaming.h"

#include "bankfile/QuestionDraft.h"

QString moodleCategory(qint32 skupina, const QList<GroupChoice> &groupNames)
{
    QString name = QStringLiteral("Skupina %1").arg(skupina);
    for (const GroupChoice &choice : groupNames) {
        if (choice.group == skupina)
            name = choice.name;
    }
    return QStringLiteral("$course$/top/") + name;
}

QString moodleName(const BankRecord &record)
{
    return QStringLiteral("%1 %2").arg(record.cis).arg(nameFromText(record.dotaz));
}
