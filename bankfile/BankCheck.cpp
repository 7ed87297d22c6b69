// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bankfile/BankCheck.h"

#include "bank/BankRules.h"
#include "bank/BankTable.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/TestSize.h"

#include <QHash>
#include <QSet>

namespace {

QList<BankEntry> entriesOf(const BankContent &content)
{
    QList<BankEntry> entries;
    entries.reserve(content.records.size());
    for (const BankRecord &record : content.records)
        entries.append({record.cis, record.skupina});
    return entries;
}

// What `build` and `check` find alike, in their words.
class RecordFindings
{
public:
    RecordFindings(const BankContent &content, FindingSource source, QList<Finding> &findings)
        : m_content(content), m_source(source), m_findings(findings)
    {
    }

    void add(FindingKind kind, int record, const QString &field = QString(), const QStringList &values = {})
    {
        Finding finding = m_content.findingAbout(m_source, kind, record);
        finding.field = field;
        finding.values = values;
        m_findings.append(finding);
    }

    // Records no draw number leads to (but those in `known`, already named), and the numbers
    // that no record has, which draw the last record.
    void addNumbering(const DrawAnalysis &analysis, const QSet<int> &known = {})
    {
        const QString count = QString::number(m_content.records.size());
        for (const int position : analysis.unreachableRecords()) {
            if (!known.contains(position))
                add(FindingKind::UnreachableRecord, position, BankTable::Cis, {count});
        }
        QStringList numbers;
        for (const qint32 number : analysis.numbersLeadingToLast())
            numbers.append(QString::number(number));
        if (!numbers.isEmpty()) {
            add(FindingKind::NumberLeadsToLast, static_cast<int>(m_content.records.size()) - 1, BankTable::Cis, numbers);
            m_findings.last().cis.reset();
        }
    }

    void addAnswer(int r)
    {
        const qint32 answer = m_content.records[r].cspravOdp;
        if (!BankRules::isAnswerIndex(answer))
            add(FindingKind::AnswerOutOfRange, r, BankTable::CspravOdp, {QString::number(answer)});
    }

    void addEmptyTexts(int r)
    {
        const BankRecord &record = m_content.records[r];
        const std::pair<QString, const QString &> texts[] = {{BankTable::Dotaz, record.dotaz}, {BankTable::Odp1, record.odp1},
                                                             {BankTable::Odp2, record.odp2}, {BankTable::Odp3, record.odp3}};
        for (const auto &[field, text] : texts) {
            if (BankRules::isBlankText(text))
                add(FindingKind::EmptyText, r, field);
        }
    }

private:
    const BankContent &m_content;
    const FindingSource m_source;
    QList<Finding> &m_findings;
};

class BankChecker
{
public:
    explicit BankChecker(const BankContent &content)
        : m_content(content), m_found(content, FindingSource::Check, m_check.findings)
    {
    }

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
        findDrawProblems();
        for (int r = 0; r < m_check.recordCount; ++r)
            m_found.addAnswer(r);
        for (int r = 0; r < m_check.recordCount; ++r)
            m_found.addEmptyTexts(r);
        return m_check;
    }

private:
    void countGroups()
    {
        for (const BankRecord &record : m_content.records) {
            if (BankRules::isDrawableGroup(record.skupina))
                ++m_check.groupCount[record.skupina];
            else
                ++m_check.outsideGroups;
        }
        m_check.quotas = computeGroupQuotas(m_check.recordCount, m_check.groupCount, TestCapacity);
        if (m_check.quotas.questionCount < 1)
            m_found.add(FindingKind::TooFewRecords, -1);
    }

    void findDrawProblems()
    {
        const DrawAnalysis analysis(entriesOf(m_content));
        m_found.addNumbering(analysis);
        const GroupQuotas &quotas = m_check.quotas;
        for (const DrawShortfall &shortfall : drawShortfalls(quotas.quota, analysis.drawableNumbers()))
            m_found.add(FindingKind::QuotaShortfall, -1, BankTable::Skupina,
                        {QString::number(shortfall.group), QString::number(shortfall.needed),
                         QString::number(shortfall.available)});
        m_check.testCanBeDrawn = drawCanEnd(quotas.questionCount, quotas.quota, analysis.drawableNumbers());
    }

    const BankContent &m_content;
    BankCheck m_check;
    RecordFindings m_found;
};

}

BankCheck checkBank(const BankContent &content)
{
    return BankChecker(content).run();
}

QList<Finding> valueWarnings(const BankContent &content)
{
    QList<Finding> warnings;
    RecordFindings found(content, FindingSource::Build, warnings);
    const DrawAnalysis analysis(entriesOf(content));
    const auto count = static_cast<qint32>(content.records.size());
    // A number the draw can give names its first record already; others are looked up here.
    QHash<qint32, int> firstOutsideDraw;
    QSet<int> repeated;
    const QList<int> unreachable = analysis.unreachableRecords();
    const QSet<int> neverDrawn(unreachable.cbegin(), unreachable.cend());
    for (int r = 0; r < count; ++r) {
        const BankRecord &record = content.records[r];
        found.addAnswer(r);
        if (!BankRules::isDrawableGroup(record.skupina))
            found.add(FindingKind::GroupOutOfRange, r, BankTable::Skupina, {QString::number(record.skupina)});
        found.addEmptyTexts(r);
        const bool drawn = record.cis >= 0 && record.cis < count;
        const int first = drawn ? analysis.recordFor(record.cis) : firstOutsideDraw.value(record.cis, -1);
        if (!drawn && first < 0)
            firstOutsideDraw.insert(record.cis, r);
        if (first < 0 || first == r)
            continue;
        const int firstLine = first < content.origins.size() ? content.origins[first].line : first + 1;
        QStringList values = {QString::number(record.cis), QString::number(firstLine)};
        if (!neverDrawn.contains(r))
            values.append(QStringLiteral("drawn"));
        found.add(FindingKind::RepeatedNumber, r, BankTable::Cis, values);
        repeated.insert(r);
    }
    found.addNumbering(analysis, repeated);
    return warnings;
}
