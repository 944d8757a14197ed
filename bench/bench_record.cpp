#include "bench/recordfixture.h"
#include "bench/statistics.h"
#include "ui/record/learningrecord.h"
#include "ui/record/recordwriter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <ctime>

namespace {

struct Unanswered final : MessageSink, TextPrompt {
    MessageAnswer show(const Message &) override { return MessageAnswer::Ok; }
    QString askText(const QString &, const QString &) override { return QString(); }
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Attempt aTry(int n) {
    Attempt tried;
    tried.time = QDateTime::currentDateTimeUtc();
    tried.series = n / 20 + 1;
    tried.question = n % 20 + 1;
    tried.shown = QStringLiteral("iron(III) sulfate");
    tried.expected = QStringLiteral("Fe2(SO4)3");
    tried.typed = QStringLiteral("Fe3(SO4)2");
    tried.category = QStringLiteral("charges-unbalanced");
    tried.cationName = QStringLiteral("iron");
    tried.cationCharge = QStringLiteral("3");
    tried.multivalent = true;
    tried.anionName = QStringLiteral("sulfate");
    return tried;
}

// What the quiz spends on a try: handing it to the record, whose writer meanwhile writes the
// tries before it to the disk on its own thread. The writing of the last ones, after the
// timed loop, is not counted.
void HandOverATry(benchmark::State &state) {
    QTemporaryDir folder;
    Unanswered student;
    LearningRecord record({folder.path(), {}}, student, student);
    record.open(QStringLiteral(IONARCH_SAMPLE_DATA));
    int n = 0;
    for (auto _ : state)
        record.recordAttempt(aTry(n++));
}

// What the writer spends on a try, each in a transaction of its own: on a disk, which the
// rollback journal makes wait for its writes to be durable, and on tmpfs, which does not.
void WriteATry(benchmark::State &state, const char *where) {
    QTemporaryDir folder(QString::fromLatin1(where) + QStringLiteral("/bench_record-XXXXXX"));
    RecordWriter writer(folder.path(), {}, QStringLiteral(IONARCH_SAMPLE_DATA));
    writer.open(true);
    int n = 0;
    for (auto _ : state)
        writer.store(aTry(n++));
    writer.close();
}

// Every try of a record of 50,000, read as the Progress window and the practice model read it;
// the time runs until the list is made, not while it is freed.
void LoadTries(benchmark::State &state) {
    QTemporaryDir folder(QStringLiteral("/dev/shm/bench_record-XXXXXX"));
    if (!writeRecordOf(int(state.range(0)), folder.path()))
        return state.SkipWithError("the record could not be written");
    Unanswered student;
    const LearningRecord record({folder.path(), {}}, student, student);
    // The processor time of the reading thread too, which other programs on a busy machine do
    // not stretch as they stretch the time on the clock.
    std::vector<double> ms, cpuMs;
    for (auto _ : state) {
        QElapsedTimer clock;
        const double cpuBefore = threadCpuMs();
        clock.start();
        const QList<ResultsFile::Row> loaded = record.attempts();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpuMs.push_back(threadCpuMs() - cpuBefore);
        state.SetIterationTime(ms.back() / 1e3);
        if (loaded.size() != state.range(0))
            return state.SkipWithError("not every try was read");
    }
    state.counters["median_ms"] = median(ms);
    state.counters["median_cpu_ms"] = median(cpuMs);
}

// The writer opening a record of 50,000 tries when the quiz starts, off the quiz's thread: its
// check of the file and the write that proves the folder writable. Until then tries wait.
void OpenRecord(benchmark::State &state) {
    QTemporaryDir folder(QStringLiteral("/dev/shm/bench_record-XXXXXX"));
    if (!writeRecordOf(int(state.range(0)), folder.path()))
        return state.SkipWithError("the record could not be written");
    for (auto _ : state) {
        RecordDatabase record(QStringLiteral("bench"));
        if (record.open(folder.path()).access != RecordDatabase::Access::Writable)
            return state.SkipWithError("the record did not open");
    }
}

} // namespace

BENCHMARK(HandOverATry)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WriteATry, disk, "/var/tmp")->Iterations(300)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WriteATry, tmpfs, "/dev/shm")->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenRecord)->Arg(50000)->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadTries)->Arg(50000)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
