// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teacher/Prompts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program folder of its own (where the program's bank, Test.ini and results go), the window's
// own settings apart from the user's, and every dialog answered by the test: messages are
// recorded, the file dialogs return `chosenFile`, the unsaved-changes question `unsavedAnswer`.
class TeacherFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString programDir() const;
    // A file of that name in a folder of its own, written with the bytes.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    // A question bank as CSV with `count` questions in three groups, numbered 0..count-1.
    static QByteArray csvBank(int count);

    QStringList messages;
    QStringList unsavedQuestions;
    QString chosenFile;
    Prompts::Unsaved unsavedAnswer = Prompts::Unsaved::Cancel;

private:
    QTemporaryDir m_dir;
};
