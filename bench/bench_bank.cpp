// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a bank and reading every record's number and group, for banks of 1 000 and
// 100 000 records; the floor is reading the table file's bytes once.
#include "BenchCommon.h"

#include "paradox/Table.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

#ifdef TZ_HAVE_PXLIB
extern "C" {
#include <paradox.h>
}
#endif

namespace {

QString tablePath(int records)
{
    return BenchBanks::instance().folderFor(records) + QStringLiteral("/test.db");
}

void BM_ReadFileBytes(benchmark::State &state)
{
    const QString path = tablePath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

// What start-up does with the bank: open it, then read every record's number and group.
void BM_OpenAndCount(benchmark::State &state)
{
    const int records = static_cast<int>(state.range(0));
    const QString path = tablePath(records);
    const QString cis = QStringLiteral("Cis");
    const QString skupina = QStringLiteral("Skupina");
    for (auto _ : state) {
        paradox::Table table;
        table.setTableName(path);
        table.open();
        std::array<int, 4> groups{};
        qint64 numbers = 0;
        const int count = table.recordCount();
        table.first();
        for (int i = 0; i < count; ++i) {
            numbers += table.fieldAsInteger(cis);
            const qint32 group = table.fieldAsInteger(skupina);
            if (group >= 1 && group <= 3)
                ++groups[group];
            table.next();
        }
        benchmark::DoNotOptimize(groups);
        benchmark::DoNotOptimize(numbers);
    }
    std::string floors = "floor:BM_ReadFileBytes/" + std::to_string(records);
#ifdef TZ_HAVE_PXLIB
    floors += " floor:BM_PxlibOpenAndCount/" + std::to_string(records);
#endif
    state.SetLabel(floors);
}

#ifdef TZ_HAVE_PXLIB
void BM_PxlibOpenAndCount(benchmark::State &state)
{
    const int records = static_cast<int>(state.range(0));
    const QByteArray path = QFile::encodeName(tablePath(records));
    PX_boot();
    for (auto _ : state) {
        pxdoc_t *doc = PX_new();
        PX_open_file(doc, path.constData());
        std::array<int, 4> groups{};
        const int count = PX_get_num_records(doc);
        for (int i = 0; i < count; ++i) {
            int fields = 0;
            pxval_t **values = PX_retrieve_record(doc, i);
            fields = PX_get_num_fields(doc);
            if (values && fields > 1 && !values[1]->isnull) {
                for (int g = 1; g <= 3; ++g) {
                    if (values[1]->value.lval == g)
                        ++groups[g];
                }
            }
            for (int f = 0; values && f < fields; ++f)
                FREE_PXVAL(doc, values[f]);
            if (values)
                doc->free(doc, values);
        }
        PX_close(doc);
        PX_delete(doc);
        benchmark::DoNotOptimize(groups);
    }
    PX_shutdown();
}
#endif

}

BENCHMARK(BM_ReadFileBytes)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenAndCount)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
#ifdef TZ_HAVE_PXLIB
BENCHMARK(BM_PxlibOpenAndCount)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
#endif

int main(int argc, char **argv)
{
    return runEngineBenchmarks(argc, argv);
}
