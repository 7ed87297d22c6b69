// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank tool building a bank from a GIFT export of 1 000 questions and from one of about
// 50 MB (225 000 questions), run as the user runs it. peak_memory_per_input_byte is the tool's
// largest resident size over the size of its input, which is to stay under 4.
#include "BenchCommon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir directory;
    return directory;
}

// A GIFT file of the given number of questions in three categories, written once.
QString giftFile(int questions)
{
    const QString path = folder().filePath(QStringLiteral("otazky-%1.gift").arg(questions));
    if (QFileInfo::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int n = 0; n < questions; ++n) {
        const QString category = n % 1000 == 0 ? QStringLiteral("$CATEGORY: $course$/top/Skupina %1\n\n").arg(n % 3 + 1)
                                               : QString();
        file.write((category + QStringLiteral("::Otázka %1::Která odpověď k otázce číslo %1 je správná?{\n"
                                              "=správná odpověď %1\n~špatná odpověď %1\n~jiná špatná odpověď %1\n"
                                              "####Komentář k otázce %1, který vysvětluje, proč.\n}\n\n")
                                   .arg(n))
                       .toUtf8());
    }
    return path;
}

void BM_BuildFromGift(benchmark::State &state)
{
    const QString input = giftFile(static_cast<int>(state.range(0)));
    const QString output = folder().filePath(QStringLiteral("banka.db"));
    for (auto _ : state) {
        // A new bank each time: one already there would be read whole for its backup.
        state.PauseTiming();
        for (const QString &name : QDir(folder().path()).entryList({QStringLiteral("banka*")}))
            QFile::remove(folder().filePath(name));
        state.ResumeTiming();
        QProcess tool;
        tool.start(QStringLiteral(TZ_BINARY_DIR "/test-znalosti-banka"), {QStringLiteral("build"), input, output});
        if (!tool.waitForFinished(-1) || tool.exitCode() != 0)
            state.SkipWithError("build failed");
    }
    // The largest child so far: the sizes run in rising order, so it is this size's build.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["peak_memory_per_input_byte"] = double(usage.ru_maxrss) * 1024 / double(QFileInfo(input).size());
}

}

BENCHMARK(BM_BuildFromGift)->Arg(1000)->Arg(225000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return runEngineBenchmarks(argc, argv);
}
