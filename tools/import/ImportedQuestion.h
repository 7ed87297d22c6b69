// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A question that becomes one bank record.
struct ImportedQuestion
{
    QString text;
    std::array<QString, 3> answers;
    int correct = 0; // 0 = A, 1 = B, 2 = C
    QString comment;
    QString category; // empty where the format has none
    QString name;
    QString file;
    int line = 0;
    // Empty until assigned; a CSV row brings its own, which may be outside 1..3 on purpose.
    std::optional<int> group;
    // The bank's Cis where the input gives one (a CSV column); else numbered by position.
    std::optional<int> number;
};

// A question of the input that has no place in the bank, and why.
struct SkippedQuestion
{
    QString name;
    QString file;
    int line = 0;
    QString reason;
};

// What one input file, or all of them, yields.
struct ImportResult
{
    QList<ImportedQuestion> questions;
    QList<SkippedQuestion> skipped;
    QStringList warnings;

    void append(const ImportResult &other)
    {
        questions += other.questions;
        skipped += other.skipped;
        warnings += other.warnings;
    }
};
