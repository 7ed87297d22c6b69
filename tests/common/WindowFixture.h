// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/BankBuilder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

class TForm2;

// Drives the real main window in a program directory of its own: test.db and Test.ini are
// written there, every outside-world seam records instead of acting, and the program-wide
// state starts afresh for each test.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes test.db from the records (none: no test.db) and Test.ini (empty: none) into the
    // program dir, then creates the window (FormCreate runs) and the two dialogs.
    TForm2 *CreateWindow(const QList<BankRecord> &bank, const QByteArray &ini = {});
    // The same without the dialogs, as the program starts: a button makes them when it opens one.
    TForm2 *CreateWindowWithoutDialogs(const QList<BankRecord> &bank, const QByteArray &ini = {});
    // The program directory, with a trailing separator.
    QString programDir() const;
    // Writes a file of the given name into the program directory.
    void writeProgramFile(const QString &name, const QByteArray &contents) const;

    QStringList messages;
    int beeps = 0;
    QList<QUrl> openedUrls;
    // Whether the desktop has a handler that opens an address.
    bool urlOpens = true;
    double now = 45000.5;
    std::unique_ptr<TForm2> window;

private:
    QTemporaryDir m_dir;
};
