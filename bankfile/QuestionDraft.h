// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bankfile/BankContent.h"

#include <QList>
#include <QString>

// One answer as the input gives it; fraction is its share of the mark in percent.
struct Choice
{
    QString text;
    double fraction = 0;
    QString feedback;
};

// A choice question as a reader found it, not yet judged.
struct QuestionDraft
{
    QString name;
    QString category;
    QString file;
    int line = 0;
    QString text;
    QList<Choice> choices;
    QString generalFeedback;
    bool singleAnswer = true;
    bool droppedImage = false;
};

// The draft as a record when it has three answers and exactly one fully correct one,
// else as skipped with the reason.
void addDraft(BankContent &content, const QuestionDraft &draft);

// A finding that the question at file and line is not taken, and why.
void addSkipped(BankContent &content, const QString &name, const QString &file, int line, const QString &reason);

// A name for a question its format leaves unnamed: the start of its text.
QString nameFromText(const QString &text);
