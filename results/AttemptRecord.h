// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace results {

// How an attempt ended. A record says "nedokončen" from its first write on, so a program that
// is closed or dies during the test leaves exactly that.
enum class Ending { Unfinished, TimeUp, Ended };

// "nedokončen", "čas vypršel", "ukončen".
QString endingText(Ending ending);
std::optional<Ending> endingFromText(const QString &text);

// One file of the bank as it was when the test was drawn from it.
struct FileFacts
{
    qint64 size = 0;
    QDateTime modified;
    QString sha256; // lower-case hex
    bool operator==(const FileFacts &) const = default;
};

// The size, modification time and SHA-256 of the file; none when it cannot be read.
std::optional<FileFacts> readFileFacts(const QString &path);

struct BankFacts
{
    QString path; // test.db
    FileFacts table;
    std::optional<FileFacts> memo; // test.mb; none when the bank has none
    qint32 recordCount = 0;
    std::array<qint32, 3> quotas{}; // groups 1, 2, 3
    bool operator==(const BankFacts &) const = default;
};

// Answer indices: 0 is A, 1 is B, 2 is C.
struct AttemptQuestion
{
    qint32 cis = 0; // the drawn number, as the test code shows it
    qint32 group = 0;
    std::optional<qint32> correct; // none when the bank's answer is none of the three
    std::optional<qint32> given; // none while unanswered
    qint32 evaluation = 0; // 0 unanswered, 1 correct, 2 wrong
    QDateTime answeredAt; // invalid while unanswered; the last answer when answered again
    bool operator==(const AttemptQuestion &) const = default;
};

// The counts and the rate as the evaluation shows them in the status line.
struct AttemptCounts
{
    qint32 correct = 0;
    qint32 wrong = 0;
    qint32 unanswered = 0;
    qint32 percent = 0;
    QString countsText; // "správně: 21   špatně: 9"
    QString rateText; // "úspěšnost: 70%"
    bool operator==(const AttemptCounts &) const = default;
};

// One attempt at a test, from "Start testu" to its evaluation.
struct AttemptRecord
{
    // Names the attempt wherever its file is copied: the computer, the start and a random part.
    QString id;
    QString programVersion;
    QDateTime start; // local time with its offset from UTC
    QDateTime end; // invalid until the evaluation
    qint32 minutes = 0;
    Ending ending = Ending::Unfinished;
    QString person;
    QString computer;
    BankFacts bank;
    QString testCode;
    QString overview;
    QList<AttemptQuestion> questions; // in test order
    AttemptCounts counts;

    bool evaluated() const { return ending != Ending::Unfinished; }
    int answeredCount() const;
    bool operator==(const AttemptRecord &) const = default;
};

// A new attempt's id: the computer's name (reduced to letters, digits, '-' and '_'), the start
// as yyyyMMdd-HHmmss and eight hex digits of `randomPart`.
QString attemptId(const QString &computer, const QDateTime &start, quint32 randomPart);

}
