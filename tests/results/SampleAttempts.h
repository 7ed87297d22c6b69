// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/AttemptRecord.h"

#include <QTimeZone>

// Attempts made up for the library's tests: answers given as a string of letters, '-' for
// none, against the correct letters.
inline results::AttemptRecord sampleAttempt(const QString &id, const QString &person, const QDateTime &start,
                                            const QString &correct, const QString &given,
                                            results::Ending ending = results::Ending::Ended)
{
    results::AttemptRecord record;
    record.id = id;
    record.programVersion = QStringLiteral("1.0.0");
    record.start = start;
    record.end = ending == results::Ending::Unfinished ? QDateTime() : start.addSecs(600);
    record.minutes = 30;
    record.ending = ending;
    record.person = person;
    record.computer = QStringLiteral("pc-01");
    record.bank.path = QStringLiteral("/skola/fyzika/test.db");
    record.bank.table = {1234, start.addDays(-1), QStringLiteral("ab12cd34") + QString(56, u'0')};
    record.bank.recordCount = 120;
    record.bank.quotas = {12, 10, 8};
    for (int i = 0; i < correct.size(); ++i) {
        results::AttemptQuestion question;
        question.cis = i;
        question.group = 1 + i % 3;
        question.correct = correct[i].unicode() - u'A';
        if (given[i] != u'-') {
            question.given = given[i].unicode() - u'A';
            question.evaluation = given[i] == correct[i] ? 1 : 2;
            question.answeredAt = start.addSecs(30 * (i + 1));
        }
        record.questions.append(question);
    }
    for (const results::AttemptQuestion &question : record.questions) {
        record.counts.correct += question.evaluation == 1;
        record.counts.wrong += question.evaluation == 2;
        record.counts.unanswered += question.evaluation == 0;
    }
    record.counts.percent = correct.isEmpty() ? 0 : 100 * record.counts.correct / static_cast<int>(correct.size());
    record.counts.countsText = QStringLiteral("správně: %1   špatně: %2").arg(record.counts.correct).arg(record.counts.wrong);
    record.counts.rateText = QStringLiteral("úspěšnost: %1%").arg(record.counts.percent);
    return record;
}

// A start time in Prague's winter offset, as a record read back gives it.
inline QDateTime pragueTime(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute), QTimeZone(3600));
}
