// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankCheck.h"

#include "BankFields.h"
#include "bank/BankTable.h"
#include "bank/DrawAnalysis.h"
#include "bank/DrawRule.h"
#include "bank/GroupQuotas.h"
#include "bank/TestSize.h"
#include "platform/core/AppError.h"
#include "platform/core/Conversions.h"
#include "paradox/Table.h"
#include "tools/import/CzechCount.h"

#include <QStringList>
#include <algorithm>

namespace {

// Long lists are cut in the report.
constexpr qsizetype ListedItems = 20;

const QStringList RequiredTexts = {BankTable::Dotaz, BankTable::Odp1, BankTable::Odp2, BankTable::Odp3};

QString listed(const QStringList &items)
{
    QString text = items.mid(0, ListedItems).join(QStringLiteral(", "));
    if (items.size() > ListedItems)
        text += QStringLiteral(" … a dalších %1").arg(items.size() - ListedItems);
    return text;
}

class BankChecker
{
public:
    explicit BankChecker(paradox::Table &table) : m_table(table) {}

    BankCheckResult run()
    {
        line(QStringLiteral("Záznamů: %1").arg(m_table.recordCount()));
        if (!hasAllFields())
            return finish();
        readRecords();
        if (!m_unreadable.isEmpty()) {
            line(QStringLiteral("Nečitelné hodnoty (program ohlásí chybu): %1").arg(listed(m_unreadable)));
            m_canDraw = false;
            return finish();
        }
        reportQuotas();
        reportReachability();
        reportContent();
        return finish();
    }

private:
    void line(const QString &text) { m_report += text + QLatin1Char('\n'); }

    BankCheckResult finish()
    {
        line(m_canDraw ? QStringLiteral("Výsledek: test lze vylosovat.")
                       : QStringLiteral("Výsledek: test nelze vylosovat."));
        return {m_canDraw, m_report};
    }

    bool hasAllFields()
    {
        const QStringList missing = missingBankFields(m_table);
        if (!missing.isEmpty()) {
            line(QStringLiteral("Chybějící pole: %1").arg(missing.join(QStringLiteral(", "))));
            m_canDraw = false;
        }
        return missing.isEmpty();
    }

    void readRecords()
    {
        m_table.first();
        for (int r = 1; r <= m_table.recordCount(); ++r) {
            m_table.setRecNo(r);
            try {
                readRecord(r);
            } catch (const AppError &error) {
                m_unreadable.append(QStringLiteral("záznam %1: %2").arg(r).arg(error.message()));
            }
        }
    }

    void readRecord(int recNo)
    {
        const BankEntry entry{m_table.fieldAsInteger(BankTable::Cis),
                              m_table.fieldAsInteger(BankTable::Skupina)};
        const qint32 answer = m_table.fieldAsInteger(BankTable::CspravOdp);
        QStringList empty;
        for (const QString &name : RequiredTexts) {
            if (trimControl(m_table.fieldAsString(name)).isEmpty())
                empty.append(name);
        }
        m_table.fieldAsString(BankTable::Komentar);
        m_entries.append(entry);
        if (entry.skupina >= 1 && entry.skupina <= 3)
            ++m_groupCount[entry.skupina];
        if (answer < 0 || answer > 2)
            m_badAnswers.append(QStringLiteral("záznam %1 (Cis %2): %3").arg(recNo).arg(entry.cis).arg(answer));
        if (!empty.isEmpty())
            m_emptyTexts.append(QStringLiteral("záznam %1 (Cis %2): %3")
                                    .arg(recNo).arg(entry.cis).arg(empty.join(QLatin1Char('/'))));
    }

    void reportQuotas()
    {
        m_quotas = computeGroupQuotas(m_table.recordCount(), m_groupCount, TestCapacity);
        // The program's arithmetic goes below zero for a bank of fewer than 6 records; a count
        // says 0 there.
        const auto count = [](qint32 value) { return std::max<qint32>(value, 0); };
        for (int g = 1; g <= 3; ++g)
            line(QStringLiteral("Skupina %1: %2, %3 %, kvóta %4")
                     .arg(g)
                     .arg(czechCount(m_groupCount[g], {"záznam", "záznamy", "záznamů"}))
                     .arg(m_quotas.percent[g])
                     .arg(count(m_quotas.quota[g])));
        const qint32 grouped = m_groupCount[1] + m_groupCount[2] + m_groupCount[3];
        if (grouped < m_table.recordCount())
            line(QStringLiteral("Záznamů mimo skupiny 1–3 (nikdy v testu): %1").arg(m_table.recordCount() - grouped));
        line(QStringLiteral("Otázek v testu: %1").arg(count(m_quotas.questionCount)));
        if (m_quotas.questionCount < 1) {
            line(QStringLiteral("Banka potřebuje aspoň 6 záznamů, aby test měl aspoň jednu otázku."));
            m_canDraw = false;
        }
    }

    void reportReachability()
    {
        const DrawAnalysis analysis(m_entries);
        QStringList unreachable;
        for (const int position : analysis.unreachableRecords())
            unreachable.append(QStringLiteral("záznam %1 (Cis %2)").arg(position + 1).arg(m_entries[position].cis));
        if (!unreachable.isEmpty())
            line(QStringLiteral("Záznamy, které nelze nikdy vylosovat: %1").arg(listed(unreachable)));
        QStringList toLast;
        for (const qint32 number : analysis.numbersLeadingToLast())
            toLast.append(QString::number(number));
        if (!toLast.isEmpty())
            line(QStringLiteral("Čísla, která vedou na poslední záznam (může být v testu vícekrát): %1")
                     .arg(listed(toLast)));
        for (const DrawShortfall &shortfall : drawShortfalls(m_quotas.quota, analysis.drawableNumbers()))
            line(QStringLiteral("Skupina %1 nenaplní kvótu: potřebuje %2, vylosovat lze %3 "
                                "(program test nevygeneruje).")
                     .arg(shortfall.group)
                     .arg(czechCount(shortfall.needed, {"otázku", "otázky", "otázek"}))
                     .arg(shortfall.available));
        m_canDraw = m_canDraw && drawCanEnd(m_quotas.questionCount, m_quotas.quota, analysis.drawableNumbers());
    }

    void reportContent()
    {
        if (!m_badAnswers.isEmpty())
            line(QStringLiteral("%1 mimo 0..2: %2").arg(BankTable::CspravOdp, listed(m_badAnswers)));
        if (!m_emptyTexts.isEmpty())
            line(QStringLiteral("Prázdný text otázky nebo odpovědi: %1").arg(listed(m_emptyTexts)));
    }

    paradox::Table &m_table;
    QString m_report;
    bool m_canDraw = true;
    QList<BankEntry> m_entries;
    std::array<qint32, 4> m_groupCount{};
    GroupQuotas m_quotas;
    QStringList m_unreadable;
    QStringList m_badAnswers;
    QStringList m_emptyTexts;
};

}

BankCheckResult checkBank(paradox::Table &table)
{
    return BankChecker(table).run();
}
