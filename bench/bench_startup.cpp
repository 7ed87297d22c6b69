// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first shown frame, offscreen, each run in a fresh process: the main window
// with each bank beside a minimal Qt window started the same way (the floor). Each run also
// reports its peak resident memory, the processor time it used and how long each phase took
// (the application object, the window, the first frame, the teardown). A fresh process varies by
// tens of percent from run to run, so every case is started many times, the cases take turns
// in a shuffled order so that a busy spell of the machine hits floor and subject alike, and
// each reports the median of its runs.
#include "BenchCommon.h"

#include "app/Unit2.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Rounds = 25;

// Notes the first paint of the watched top-level window.
class FirstFrameWatcher : public QObject
{
public:
    explicit FirstFrameWatcher(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~FirstFrameWatcher() override { qApp->removeEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_window;
    bool m_painted = false;
};

void showUntilFirstFrame(QWidget &window)
{
    FirstFrameWatcher watcher(&window);
    window.showMaximized();
    while (!watcher.painted())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The high-water mark of this process's own memory (ru_maxrss would carry the parent's over exec).
QByteArray peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0);
    }
    return "?";
}

// The processor time this process has used so far, its own and the system's for it.
double processorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The phases of one start-up in the child, in milliseconds: making the application object,
// making the window, showing it up to its first frame, and tearing both down. What the parent
// measures beyond their sum is the process's own start (loading and linking) and exit.
struct Phases
{
    QElapsedTimer clock;
    QList<double> marks;
    void mark() { marks.append(clock.nsecsElapsed() / 1e6); }
    QByteArray durations() const
    {
        QByteArray text;
        for (qsizetype i = 1; i < marks.size(); ++i)
            text += ' ' + QByteArray::number(marks[i] - marks[i - 1], 'f', 2);
        return text;
    }
};

// `--first-frame bare` or `--first-frame FOLDER`: one start-up, then on stdout the peak memory
// up to the first frame, the processor time of the whole run, teardown included, and the
// phases. The processor time hardly depends on what else the machine is doing, unlike the
// elapsed time.
int startOnce(int argc, char **argv, const QString &scenario)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Phases phases;
    phases.clock.start();
    phases.mark();
    QByteArray peak;
    {
        QApplication application(argc, argv);
        phases.mark();
        const auto show = [&phases](QWidget &window) {
            phases.mark();
            showUntilFirstFrame(window);
            phases.mark();
        };
        if (scenario == QLatin1String("bare")) {
            QMainWindow window;
            show(window);
        } else {
            ProgramLocation::setDirectoryForTests(scenario);
            Messages::setHandler([](Messages::Kind, const QString &, const QString &) {});
            TForm2 window;
            show(window);
        }
        peak = peakKilobytes();
    }
    phases.mark();
    std::printf("%s %.1f%s\n", peak.constData(), processorMilliseconds(), phases.durations().constData());
    return 0;
}

QString scenarioFor(int records)
{
    if (records < 0)
        return QStringLiteral("bare");
    return records == 0 ? QStringLiteral(TZ_BINARY_DIR) : BenchBanks::instance().folderFor(records);
}

// Arg -1 is the bare window, 0 the sample bank beside the program, else a bank of that size.
// One start-up per repetition; the repetitions of all cases are interleaved.
void BM_ProcessStartup(benchmark::State &state)
{
    const int records = static_cast<int>(state.range(0));
    const QString scenario = scenarioFor(records);
    QList<QByteArray> report;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--first-frame"), scenario});
        child.waitForFinished(60000);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        report = child.readAllStandardOutput().trimmed().split(' ');
    }
    state.counters["peak_KiB"] = report.value(0).toDouble();
    state.counters["cpu_ms"] = report.value(1).toDouble();
    const std::array<const char *, 4> phaseNames = {"app_ms", "window_ms", "frame_ms", "exit_ms"};
    for (size_t i = 0; i < phaseNames.size(); ++i)
        state.counters[phaseNames[i]] = report.value(2 + static_cast<qsizetype>(i)).toDouble();
    if (records >= 0)
        state.SetLabel("floor:BM_ProcessStartup/-1/iterations:1/repeats:" + std::to_string(Rounds) + "/manual_time");
}

double fastest(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

}

BENCHMARK(BM_ProcessStartup)->Arg(-1)->Arg(0)->Arg(1000)->Arg(100000)
    ->Iterations(1)->Repetitions(Rounds)->ReportAggregatesOnly()->ComputeStatistics("min", fastest)
    ->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--first-frame") == 0)
        return startOnce(argc, argv, QString::fromLocal8Bit(argv[2]));
    // The cases take turns unless the command line says otherwise, which it may after this.
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, interleave);
    int count = argc + 1;
    arguments.push_back(nullptr);
    return runBenchmarks(count, arguments.data());
}
