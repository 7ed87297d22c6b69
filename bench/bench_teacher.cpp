// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's window over banks of 1 000 and 100 000 questions, offscreen at 1366×768:
// opening a bank into the bank view up to its first painted frame, against reading the bank
// alone (the floor); scrolling the table a page and painting it, against the same on the small
// bank; an edit with the check that follows it, against the check alone.
#include "BenchCommon.h"

#include "bankfile/BankCheck.h"
#include "bankfile/BankFile.h"
#include "teacher/BankDocument.h"
#include "teacher/BankView.h"
#include "teacher/QuestionTableModel.h"

#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString bankPath(benchmark::State &state)
{
    return BenchBanks::instance().folderFor(static_cast<int>(state.range(0))) + QStringLiteral("/test.db");
}

std::string floorOf(const char *name, benchmark::State &state)
{
    return std::string("floor:") + name + "/" + std::to_string(state.range(0));
}

std::unique_ptr<BankView> shownView()
{
    auto view = std::make_unique<BankView>();
    view->resize(1366, 768);
    view->show();
    return view;
}

void BM_ReadBank(benchmark::State &state)
{
    const QString path = bankPath(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(readBank(path).records.size());
}

// What the teacher waits for: the window's view made, the bank read and checked, the table
// painted.
void BM_OpenInBankView(benchmark::State &state)
{
    const QString path = bankPath(state);
    for (auto _ : state) {
        std::unique_ptr<BankView> view = shownView();
        view->open(path);
        benchmark::DoNotOptimize(view->grab());
    }
    state.SetLabel(floorOf("BM_ReadBank", state));
}

// One page down the table and its repaint; the floor is the same on the small bank, so the
// ratio says how much a big bank slows scrolling.
void BM_ScrollPage(benchmark::State &state)
{
    std::unique_ptr<BankView> view = shownView();
    view->open(bankPath(state));
    QScrollBar *bar = view->table()->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
        benchmark::DoNotOptimize(view->table()->viewport()->grab());
    }
    if (state.range(0) != 1000)
        state.SetLabel("floor:BM_ScrollPage/1000");
}

void BM_CheckBank(benchmark::State &state)
{
    const BankContent content = readBank(bankPath(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkBank(content).testCanBeDrawn);
}

// An edit through the model, undone every other time, and the findings made again.
void BM_EditAndRecheck(benchmark::State &state)
{
    BankDocument document;
    document.open(bankPath(state), noProgress());
    QuestionTableModel *model = document.model();
    const QModelIndex cell = model->index(static_cast<int>(state.range(0)) / 2, QuestionTableModel::CspravOdp);
    int answer = 0;
    for (auto _ : state) {
        answer = (answer + 1) % 3;
        model->setData(cell, answer);
        benchmark::DoNotOptimize(document.findings().size());
    }
    state.SetLabel(floorOf("BM_CheckBank", state));
}

}

BENCHMARK(BM_ReadBank)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInBankView)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckBank)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditAndRecheck)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
