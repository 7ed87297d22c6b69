// Start-up of the main window to its first shown frame, offscreen, beside a bare Qt window
// created the same way (the floor); then the peak memory of each, measured in a fresh process.
#include "BenchCommon.h"

#include "app/Unit2.h"
#include "platform/Messages.h"
#include "platform/ProgramLocation.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

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

void startBareWindow()
{
    QMainWindow window;
    showUntilFirstFrame(window);
}

void startMainWindow(const QString &folder)
{
    ProgramLocation::SetDirectoryForTests(folder);
    Messages::SetHandler([](Messages::Kind, const QString &, const QString &) {});
    {
        TForm2 window;
        showUntilFirstFrame(window);
    }
    Messages::SetHandler(nullptr);
    ProgramLocation::SetDirectoryForTests(QString());
}

QString folderForBank(int records)
{
    return records == 0 ? QStringLiteral(TZ_BINARY_DIR) : BenchBanks::instance().folderFor(records);
}

void BM_BareWindow(benchmark::State &state)
{
    for (auto _ : state)
        startBareWindow();
}

// Arg 0 is the sample bank beside the program.
void BM_MainWindow(benchmark::State &state)
{
    const QString folder = folderForBank(static_cast<int>(state.range(0)));
    for (auto _ : state)
        startMainWindow(folder);
    state.SetLabel("floor:BM_BareWindow");
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// `--peak bare` or `--peak FOLDER` starts one window in this process and prints its peak memory.
int runPeakScenario(int argc, char **argv, const QString &scenario)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (scenario == QLatin1String("bare"))
        startBareWindow();
    else
        startMainWindow(scenario);
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

void printPeakMemory(const char *program)
{
    struct Scenario
    {
        const char *what;
        QString argument;
    };
    // The banks are written here, so their writing does not count in the child's peak.
    const Scenario scenarios[] = {
        {"bare Qt window", QStringLiteral("bare")},
        {"main window, sample bank", folderForBank(0)},
        {"main window, 1 000 records", folderForBank(1000)},
        {"main window, 100 000 records", folderForBank(100000)},
    };
    std::printf("\nPeak memory (resident, one start-up in a fresh process):\n");
    for (const Scenario &scenario : scenarios) {
        QProcess child;
        child.start(QString::fromLocal8Bit(program), {QStringLiteral("--peak"), scenario.argument});
        child.waitForFinished(120000);
        std::printf("  %-30s %s KiB\n", scenario.what, child.readAllStandardOutput().trimmed().constData());
    }
}

}

BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindow)->Arg(0)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak") == 0)
        return runPeakScenario(argc, argv, QString::fromLocal8Bit(argv[2]));
    const int status = RunBenchmarks(argc, argv);
    printPeakMemory(argv[0]);
    return status;
}
