#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// One question as an input file gives it, before it becomes a record of the bank table.
struct QuestionRecord
{
    // Where it comes from, for messages.
    QString file;
    int line = 0;

    // The bank's Cis; a question without one is numbered by its place among all questions.
    std::optional<qint32> number;
    qint32 group = 0;
    QString text;
    std::array<QString, 3> answers;
    qint32 correct = 0; // 0 is A
    QString comment;
};
