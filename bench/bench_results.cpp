// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The records of attempts: 10 000 of them (a school year of one computer room) read from their
// folder and summarised, against the floor of reading their files' bytes; the process's peak
// memory is reported with it. Then an answer's handler on the window with the sample bank, while
// its record is kept, against the same handler with Ukladat=0; and the record's write itself,
// which a thread of its own does beside the handler, against writing its bytes plainly.
#include "BenchCommon.h"

#include "app/Unit2.h"
#include "platform/Messages.h"
#include "platform/core/ProgramLocation.h"
#include "results/RecordJson.h"
#include "results/RecordReader.h"
#include "results/RecordWriter.h"
#include "results/Statistics.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

#include <sys/resource.h>

namespace {

constexpr int QuestionsPerTest = 30;

// An attempt of a test drawn from a bank of 120 questions, answered at random.
results::AttemptRecord madeUpAttempt(int index, QRandomGenerator &random)
{
    results::AttemptRecord record;
    const QDateTime start = QDateTime(QDate(2025, 9, 1), QTime(8, 0)).addSecs(qint64(index) * 3000);
    record.computer = QStringLiteral("pc-%1").arg(index % 15, 2, 10, QLatin1Char('0'));
    record.id = results::attemptId(record.computer, start, random.generate());
    record.programVersion = QStringLiteral("1.0.0");
    record.start = start;
    record.end = start.addSecs(1500);
    record.minutes = 30;
    record.ending = results::Ending::Ended;
    record.person = QStringLiteral("Žák %1").arg(index % 300);
    record.bank.path = QStringLiteral("/skola/banka-%1/test.db").arg(index % 3);
    record.bank.table = {200000, start, QString(64, QChar(u'a' + index % 3))};
    record.bank.recordCount = 120;
    record.bank.quotas = {12, 10, 8};
    for (int n = 0; n < QuestionsPerTest; ++n) {
        results::AttemptQuestion question;
        question.cis = static_cast<qint32>(random.bounded(120));
        question.group = 1 + question.cis % 3;
        question.correct = question.cis % 3;
        question.given = static_cast<qint32>(random.bounded(3));
        question.evaluation = question.given == question.correct ? 1 : 2;
        question.answeredAt = start.addSecs(40 * (n + 1));
        record.counts.correct += question.evaluation == 1;
        record.questions.append(question);
    }
    record.counts.wrong = QuestionsPerTest - record.counts.correct;
    record.counts.percent = 100 * record.counts.correct / QuestionsPerTest;
    return record;
}

// The folder of 10 000 records, written once.
const QString &recordFolder()
{
    static QTemporaryDir root;
    static const QString folder = [] {
        QRandomGenerator random(32);
        for (int i = 0; i < 10000; ++i) {
            const results::AttemptRecord record = madeUpAttempt(i, random);
            QFile file(root.filePath(results::recordFileName(record)));
            file.open(QIODevice::WriteOnly);
            file.write(results::toJson(record));
        }
        return root.path();
    }();
    return folder;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_ReadRecordBytes(benchmark::State &state)
{
    const QString folder = recordFolder();
    for (auto _ : state) {
        QDirIterator files(folder, QDir::Files);
        qint64 bytes = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            file.open(QIODevice::ReadOnly);
            bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_SummariseRecords(benchmark::State &state)
{
    const QString folder = recordFolder();
    for (auto _ : state) {
        const results::RecordSet set = results::readRecords({folder});
        const results::ResultsSummary summary = results::summarise(set.attempts);
        if (summary.attempts.size() != 10000)
            state.SkipWithError("not every record was read");
        benchmark::DoNotOptimize(summary.questions.size());
    }
    state.counters["peak_MB"] = peakMegabytes();
    state.SetLabel("floor:BM_ReadRecordBytes");
}

// The window over a copy of the sample bank, a test started; Test.ini as given.
class StartedTest
{
public:
    explicit StartedTest(const QByteArray &ini)
    {
        for (const char *name : {"test.db", "test.mb"})
            QFile::copy(QStringLiteral(TZ_BINARY_DIR "/") + QLatin1String(name), m_dir.filePath(QLatin1String(name)));
        QFile file(m_dir.filePath(QStringLiteral("Test.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(ini);
        file.close();
        ProgramLocation::setDirectoryForTests(m_dir.path());
        Messages::setHandler([](Messages::Kind, const QString &, const QString &) {});
        window = std::make_unique<TForm2>();
        window->BBGtestClick();
        window->BBStestClick();
    }
    ~StartedTest()
    {
        window.reset();
        Messages::setHandler(nullptr);
        ProgramLocation::setDirectoryForTests(QString());
    }

    std::unique_ptr<TForm2> window;

private:
    QTemporaryDir m_dir;
};

// Answers every question, then goes on answering them again through their indicators, as a
// person does who revisits the test; only the answers are timed.
void answerRepeatedly(benchmark::State &state, const QByteArray &ini)
{
    StartedTest test(ini);
    if (!test.window->TimerTest->isActive())
        state.SkipWithError("the test did not start");
    int revisited = 0;
    for (auto _ : state) {
        if (AllAnswered) {
            state.PauseTiming();
            test.window->IndicatorClick(1 + revisited++ % QuestionCount);
            state.ResumeTiming();
        }
        test.window->BitBtn2Click();
    }
}

void BM_AnswerWithoutRecord(benchmark::State &state)
{
    answerRepeatedly(state, "[Vysledky]\nUkladat=0\n");
}

void BM_AnswerKeepingRecord(benchmark::State &state)
{
    answerRepeatedly(state, "");
    state.SetLabel("floor:BM_AnswerWithoutRecord");
}

results::AttemptRecord oneRecord()
{
    QRandomGenerator random(7);
    return madeUpAttempt(0, random);
}

// Writing the record's bytes over the file in place, neither synced nor renamed.
void BM_PlainWrite(benchmark::State &state)
{
    QTemporaryDir folder;
    const results::AttemptRecord record = oneRecord();
    for (auto _ : state) {
        QFile file(folder.filePath(results::recordFileName(record)));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(results::toJson(record));
    }
}

// What the record's thread does after an answer, beside the handler: the whole file written to
// a temporary one, synced and renamed over the record.
void BM_RecordWrite(benchmark::State &state)
{
    QTemporaryDir folder;
    const results::AttemptRecord record = oneRecord();
    for (auto _ : state)
        results::writeRecord(folder.path(), record);
    state.SetLabel("floor:BM_PlainWrite");
}

}

BENCHMARK(BM_ReadRecordBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummariseRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnswerWithoutRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnswerKeepingRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordWrite)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv);
}
