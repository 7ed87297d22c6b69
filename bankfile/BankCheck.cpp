// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankCheck.h"

#include "bank/BankRules.h"
#include "bank/BankTable.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/TestSize.h"

#include <QHash>

namespace {

class BankChecker
{
public:
    explicit BankChecker(const BankContent &content) : m_content(content) {}

    BankCheck run()
    {
        m_check.recordCount = static_cast<int>(m_content.records.size());
        for (const Finding &finding : m_content.findings) {
            if (finding.kind == FindingKind::MissingField || finding.kind == FindingKind::UnreadableValue)
                m_check.findings.append(finding);
        }
        if (!m_check.findings.isEmpty())
            return m_check;
        m_check.complete = true;
        countGroups();
        findUnreachable();
        findContentProblems();
        return m_check;
    }

private:
    void add(FindingKind kind, int record, const QString &field = QString(), const QStringList &values = {})
    {
        Finding finding = m_content.findingAbout(FindingSource::Check, kind, record);
        finding.field = field;
        finding.values = values;
        m_check.findings.append(finding);
    }

    void countGroups()
    {
        for (const BankRecord &record : m_content.records) {
            m_entries.append({record.cis, record.skupina});
            if (BankRules::isDrawableGroup(record.skupina))
                ++m_check.groupCount[record.skupina];
            else
                ++m_check.outsideGroups;
        }
        m_check.quotas = computeGroupQuotas(m_check.recordCount, m_check.groupCount, TestCapacity);
        if (m_check.quotas.questionCount < 1)
            add(FindingKind::TooFewRecords, -1);
    }

    void findUnreachable()
    {
        const DrawAnalysis analysis(m_entries);
        for (const int position : analysis.unreachableRecords())
            add(FindingKind::UnreachableRecord, position, BankTable::Cis);
        for (const qint32 number : analysis.numbersLeadingToLast()) {
            add(FindingKind::NumberLeadsToLast, m_check.recordCount - 1, BankTable::Cis, {QString::number(number)});
            m_check.findings.last().cis.reset();
        }
        const GroupQuotas &quotas = m_check.quotas;
        for (const DrawShortfall &shortfall : drawShortfalls(quotas.quota, analysis.drawableNumbers()))
            add(FindingKind::QuotaShortfall, -1, BankTable::Skupina,
                {QString::number(shortfall.group), QString::number(shortfall.needed), QString::number(shortfall.available)});
        m_check.testCanBeDrawn = drawCanEnd(quotas.questionCount, quotas.quota, analysis.drawableNumbers());
    }

    void findContentProblems()
    {
        for (int r = 0; r < m_check.recordCount; ++r) {
            const qint32 answer = m_content.records[r].cspravOdp;
            if (!BankRules::isAnswerIndex(answer))
                add(FindingKind::AnswerOutOfRange, r, BankTable::CspravOdp, {QString::number(answer)});
        }
        const QStringList required = {BankTable::Dotaz, BankTable::Odp1, BankTable::Odp2, BankTable::Odp3};
        for (int r = 0; r < m_check.recordCount; ++r) {
            const BankRecord &record = m_content.records[r];
            const QStringList texts = {record.dotaz, record.odp1, record.odp2, record.odp3};
            for (qsizetype f = 0; f < texts.size(); ++f) {
                if (BankRules::isBlankText(texts[f]))
                    add(FindingKind::EmptyText, r, required[f]);
            }
        }
    }

    const BankContent &m_content;
    BankCheck m_check;
    QList<BankEntry> m_entries;
};

}

BankCheck checkBank(const BankContent &content)
{
    return BankChecker(content).run();
}

QList<Finding> valueWarnings(const BankContent &content)
{
    QList<Finding> warnings;
    QHash<qint32, int> firstWithNumber;
    for (int r = 0; r < content.records.size(); ++r) {
        const BankRecord &record = content.records[r];
        const auto warn = [&](FindingKind kind, const QString &field, const QStringList &values) {
            Finding finding = content.findingAbout(FindingSource::Build, kind, r);
            finding.field = field;
            finding.values = values;
            warnings.append(finding);
        };
        if (!BankRules::isAnswerIndex(record.cspravOdp))
            warn(FindingKind::AnswerOutOfRange, BankTable::CspravOdp, {QString::number(record.cspravOdp)});
        if (!BankRules::isDrawableGroup(record.skupina))
            warn(FindingKind::GroupOutOfRange, BankTable::Skupina, {QString::number(record.skupina)});
        const auto first = firstWithNumber.constFind(record.cis);
        if (first == firstWithNumber.cend()) {
            firstWithNumber.insert(record.cis, r);
            continue;
        }
        const int firstLine = *first < content.origins.size() ? content.origins[*first].line : *first + 1;
        warn(FindingKind::RepeatedNumber, BankTable::Cis, {QString::number(record.cis), QString::number(firstLine)});
    }
    return warnings;
}
