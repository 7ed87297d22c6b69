// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// Banks written once per process for the benchmarks, each in a folder of its own.
class BenchBanks
{
public:
    static BenchBanks &instance();
    // The folder holding test.db of a bank of `records` records in three equal groups.
    QString folderFor(int records);

private:
    QTemporaryDir m_root;
};

// Runs a program's benchmarks, then prints the ratios; the application object must exist.
int runAndReport(int argc, char **argv);
// The same inside a QCoreApplication, for benchmarks of code without windows.
int runEngineBenchmarks(int argc, char **argv);
// The same inside a QApplication offscreen (BenchGui.cpp).
int runBenchmarks(int argc, char **argv);
