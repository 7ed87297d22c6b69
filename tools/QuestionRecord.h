// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// One record of the bank table, with where its question comes from for messages.
struct QuestionRecord
{
    QString file;
    int line = 0;
    QString name; // empty where the input does not name its questions

    qint32 number = 0;
    qint32 group = 0;
    QString text;
    std::array<QString, 3> answers;
    qint32 correct = 0; // 0 is A
    QString comment;
};
