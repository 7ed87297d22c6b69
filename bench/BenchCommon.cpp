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
        writeBank(folder + QStringLiteral("/test.db"), makeBankRecords(records - 2 * third, third, third));
    }
    return folder;
}

int runAndReport(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

int runEngineBenchmarks(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return runAndReport(argc, argv);
}
