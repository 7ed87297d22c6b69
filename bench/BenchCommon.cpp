// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BenchCommon.h"

#include "BankBuilder.h"
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <benchmark/benchmark.h>

BenchBanks &BenchBanks::instance()
{
    static BenchBanks banks;
    return banks;
}

QString BenchBanks::folderFor(int records)
{
    const QString folder = m_root.filePath(QString::number(records));
    if (!QDir(folder).exists()) {
        QDir().mkpath(folder);
        const int third = records / 3;
        WriteBank(folder + QStringLiteral("/test.db"), MakeBankRecords(records - 2 * third, third, third));
    }
    return folder;
}

int RunAndReport(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

int RunEngineBenchmarks(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return RunAndReport(argc, argv);
}
