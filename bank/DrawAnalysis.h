// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>
#include <array>

// The number and group of one bank record, in table order.
struct BankEntry
{
    qint32 cis = 0;
    qint32 skupina = 0;
};

// Where each draw number 0..N-1 leads (N the record count): to the first record whose Cis is
// that number, or to the last record when none has it.
class DrawAnalysis
{
public:
    explicit DrawAnalysis(const QList<BankEntry> &entries);

    // The 0-based position in table order of the record the number leads to; -1 for no records.
    int recordFor(qint32 number) const;
    // How many distinct draw numbers lead to a record of each group 1..3.
    const std::array<qint32, 4> &drawableNumbers() const { return m_drawable; }
    // Positions of records that no draw number leads to.
    QList<int> unreachableRecords() const;
    // Draw numbers that match no record and so lead to the last record.
    QList<qint32> numbersLeadingToLast() const { return m_toLast; }

private:
    QList<BankEntry> m_entries;
    QList<int> m_target; // by draw number
    std::array<qint32, 4> m_drawable{};
    QList<qint32> m_toLast;
};
