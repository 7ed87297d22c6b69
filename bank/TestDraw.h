// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QtGlobal>
#include <array>
#include <functional>

class DrawAnalysis;

// One question of a draw: its draw number, its group and the 0-based record it leads to.
struct DrawnQuestion
{
    qint32 number = 0;
    qint32 group = 0;
    int record = 0;
};

struct TestDraw
{
    QList<DrawnQuestion> questions;
    std::array<qint32, 4> groupDrawn{};
};

// Draws questionCount distinct numbers below recordCount with `random` (a number 0..n-1),
// taking one only while its record's group 1..3 is under its quota. groupAt reads the group of
// a record. Ends only when drawCanEnd holds for these quotas.
TestDraw drawTestNumbers(const DrawAnalysis &analysis, const std::array<qint32, 4> &quota,
                         qint32 questionCount, qint32 recordCount,
                         const std::function<qint32(qint32)> &random,
                         const std::function<qint32(int)> &groupAt);
