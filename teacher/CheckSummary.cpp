// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/CheckSummary.h"

#include "bankfile/BankCheck.h"
#include "bankfile/FindingText.h"

#include <QStringList>

QString checkSummary(const BankCheck &check)
{
    QStringList parts{QStringLiteral("Záznamů: %1").arg(check.recordCount)};
    if (check.complete) {
        for (int group = 1; group <= 3; ++group)
            parts.append(QStringLiteral("skupina %1: %2 (%3 %, v testu %4)")
                             .arg(group)
                             .arg(check.groupCount.at(group))
                             .arg(check.quotas.percent.at(group))
                             .arg(check.quotas.quota.at(group)));
        if (check.outsideGroups > 0)
            parts.append(QStringLiteral("mimo skupiny: %1").arg(check.outsideGroups));
        parts.append(QStringLiteral("otázek v testu: %1").arg(std::max(check.quotas.questionCount, 0)));
    } else {
        parts.append(QStringLiteral("banka není úplná"));
    }
    parts.append(check.testCanBeDrawn ? QStringLiteral("test lze vylosovat") : QStringLiteral("test NELZE vylosovat"));
    return parts.join(QStringLiteral(" · "));
}

QString findingLines(const QString &first, const QList<Finding> &findings, int limit)
{
    QStringList lines{first};
    for (qsizetype i = 0; i < std::min<qsizetype>(findings.size(), limit); ++i)
        lines.append(findingLine(findings.at(i)));
    if (findings.size() > limit)
        lines.append(QStringLiteral("… a dalších %1.").arg(findings.size() - limit));
    return lines.join(QLatin1Char('\n'));
}
