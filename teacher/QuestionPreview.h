// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/BankRecord.h"

#include <QWidget>

class QLabel;

// A question as the test shows it: the question's text, its answers A, B and C, and after the
// evaluation the correct answer and the comment.
class QuestionPreview : public QWidget
{
    Q_OBJECT

public:
    explicit QuestionPreview(QWidget *parent = nullptr);

    void showRecord(const BankRecord &record);
    void clear();
    // The texts shown, top down, for tests and screen readers.
    QString shownText() const;

private:
    QLabel *m_heading;
    QLabel *m_question;
    QLabel *m_answers[3];
    QLabel *m_comment;
};
