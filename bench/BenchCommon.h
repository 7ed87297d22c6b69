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

// Runs a program's benchmarks with a QApplication offscreen, then prints the ratios.
int RunBenchmarks(int argc, char **argv);
