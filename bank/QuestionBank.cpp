// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bank/QuestionBank.h"

#include "bank/BankTable.h"
#include "bank/BankRules.h"
#include "bank/DrawAnalysis.h"
#include "paradox/Memo.h"
#include "paradox/Table.h"

#include <QDir>
#include <QFileInfo>

QuestionBank::QuestionBank()
    : m_table(std::make_unique<paradox::Table>())
{
}

QuestionBank::~QuestionBank() = default;

QuestionBank::Identities QuestionBank::identities() const
{
    QString memo = paradox::Memo::findFor(m_path);
    // Where a memo file would appear, when there is none yet.
    if (memo.isEmpty()) {
        const QFileInfo table(m_path);
        memo = table.absoluteDir().filePath(table.completeBaseName() + QStringLiteral(".mb"));
    }
    return {paradox::FileSnapshot::identityOf(m_path), paradox::FileSnapshot::identityOf(memo)};
}

void QuestionBank::open(const QString &path)
{
    m_drawAnalysis.reset();
    m_table->close();
    m_path = path;
    // Noted before reading, so a change while the engine reads shows at the next check.
    m_identities = identities();
    m_table->setTableName(path);
    m_table->open();
}

bool QuestionBank::changedOnDisk() const
{
    return !m_path.isEmpty() && identities() != m_identities;
}

int QuestionBank::recordCount() const
{
    return m_table->recordCount();
}

std::array<qint32, 4> QuestionBank::groupCounts() const
{
    std::array<qint32, 4> counts{};
    for (const qint32 group : m_table->integerColumn(BankTable::Skupina)) {
        if (BankRules::isDrawableGroup(group))
            ++counts[group];
    }
    return counts;
}

const DrawAnalysis &QuestionBank::drawAnalysis()
{
    if (!m_drawAnalysis) {
        const QList<QList<qint32>> columns = m_table->integerColumns({BankTable::Cis, BankTable::Skupina});
        const QList<qint32> &numbers = columns[0];
        const QList<qint32> &groups = columns[1];
        QList<BankEntry> entries(numbers.size());
        BankEntry *entry = entries.data();
        for (qsizetype i = 0; i < numbers.size(); ++i, ++entry)
            *entry = {numbers[i], groups[i]};
        m_drawAnalysis = std::make_unique<DrawAnalysis>(entries);
    }
    return *m_drawAnalysis;
}

qint32 QuestionBank::groupAt(int record) const
{
    m_table->setRecNo(record + 1);
    return m_table->fieldAsInteger(BankTable::Skupina);
}

Totazka QuestionBank::question(int record) const
{
    m_table->setRecNo(record + 1);
    const BankRecord read = BankTable::readRecord(*m_table);
    Totazka question;
    question.wdotaz = read.dotaz;
    question.wodp1 = read.odp1;
    question.wodp2 = read.odp2;
    question.wodp3 = read.odp3;
    question.wkomentar = read.komentar;
    question.wcspravOdp = read.cspravOdp;
    return question;
}

DrawnTest QuestionBank::drawTest(const std::array<qint32, 4> &quota, qint32 questionCount,
                                 const std::function<qint32(qint32)> &random)
{
    DrawnTest test;
    test.draw = drawTestNumbers(drawAnalysis(), quota, questionCount, recordCount(), random,
                                [this](int record) { return groupAt(record); });
    test.questions.reserve(test.draw.questions.size());
    for (const DrawnQuestion &drawn : std::as_const(test.draw.questions))
        test.questions.append(question(drawn.record));
    return test;
}
