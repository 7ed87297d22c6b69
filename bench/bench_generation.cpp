// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Generuj test" on the window opened over banks of 1 000 and 100 000 records: the first one
// after start-up, which also reads every record's number, and the ones after it.
#include "BenchCommon.h"

#include "app/Unit2.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The window opened over the bank of `records` records, its messages dropped.
class WindowOverBank
{
public:
    explicit WindowOverBank(int records)
    {
        ProgramLocation::setDirectoryForTests(BenchBanks::instance().folderFor(records));
        Messages::setHandler([](Messages::Kind, const QString &, const QString &) {});
    }
    ~WindowOverBank()
    {
        Messages::setHandler(nullptr);
        ProgramLocation::setDirectoryForTests(QString());
    }
    std::unique_ptr<TForm2> open() const { return std::make_unique<TForm2>(); }
};

// One "Generuj test" on the window opened over the bank.
void BM_Generation(benchmark::State &state)
{
    const WindowOverBank bank(static_cast<int>(state.range(0)));
    auto window = bank.open();
    for (auto _ : state)
        window->BBGtestClick();
}

// The first "Generuj test" after start-up, which also reads every record's number.
void BM_FirstGeneration(benchmark::State &state)
{
    const WindowOverBank bank(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = bank.open();
        state.ResumeTiming();
        window->BBGtestClick();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

}

BENCHMARK(BM_Generation)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstGeneration)->Arg(1000)->Arg(100000)->Iterations(20)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
