// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

// One bank record as a single-answer question for Moodle.
struct ExportedQuestion
{
    QString category; // the path Moodle files it under
    QString name;
    QString text;
    std::array<QString, 3> answers; // A, B, C
    int correct = 0;                // 0 is A
    QString comment;                // general feedback
};
