// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/TestDraw.h"
#include "bank/Totazka.h"
#include "paradox/FileSnapshot.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace paradox { class Table; }

// A test drawn whole: the draw, and the question of each drawn record in the order drawn.
struct DrawnTest
{
    TestDraw draw;
    QList<Totazka> questions;
};

// The question bank: test.db and its memo file, opened together. It notes what both files were
// on disk when it opened them, so that a bank replaced or cut short afterwards is noticed and
// opened again instead of being read half old, half new.
class QuestionBank
{
public:
    QuestionBank();
    ~QuestionBank();
    QuestionBank(const QuestionBank &) = delete;
    QuestionBank &operator=(const QuestionBank &) = delete;

    // Closes any bank first. Raises TableError for a missing, unreadable or damaged table; the
    // files are noted all the same, so only a change on disk makes opening them worth another try.
    void open(const QString &path);
    // Whether the table or its memo file differs on disk (size, modification time, device or
    // inode) from what the last open met; false before any open.
    bool changedOnDisk() const;
    // Whether open has been called, whatever came of it.
    bool everOpened() const { return !m_path.isEmpty(); }

    int recordCount() const;
    // The records of each group 1..3; the numbers are not read, so a bank whose numbers do not
    // read still counts.
    std::array<qint32, 4> groupCounts() const;
    // Where each draw number leads; the numbers are read at the first call after open. Raises
    // TableError or ConvertError for numbers that do not read.
    const DrawAnalysis &drawAnalysis();
    // The group of the 0-based record.
    qint32 groupAt(int record) const;
    // The texts and the correct answer of the 0-based record; the answer state is left empty.
    Totazka question(int record) const;
    // Draws a test with drawTestNumbers and reads every drawn question; an error of the table
    // ends it before anything is handed over, so the caller never holds half a test.
    DrawnTest drawTest(const std::array<qint32, 4> &quota, qint32 questionCount,
                       const std::function<qint32(qint32)> &random);

private:
    // What the table and its memo file were on disk; nothing for a missing file.
    using Identities = std::array<std::optional<paradox::FileIdentity>, 2>;
    Identities identities() const;

    std::unique_ptr<paradox::Table> m_table;
    std::unique_ptr<DrawAnalysis> m_drawAnalysis;
    QString m_path;
    Identities m_identities;
};
