#include "bench/recordfixture.h"
#include "bench/statistics.h"
#include "quiz/progress/progressfigures.h"
#include "tools/sim/simulation.h"
#include "ui/progress/learningprogress.h"
#include "ui/progress/recordloader.h"
#include "ui/progress/resultssavedialog.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

namespace {

constexpr int Tries = 50'000;

struct Unanswered final : MessageSink, TextPrompt, ResultsSaveDialog {
    MessageAnswer show(const Message &) override { return MessageAnswer::Ok; }
    QString askText(const QString &, const QString &) override { return {}; }
    std::optional<ResultsToSave> askResultsToSave(QWidget *) override { return std::nullopt; }
};

double msSince(const QElapsedTimer &clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

// The record of 50,000 tries, on tmpfs, written on first use.
const QString &recordFolder() {
    static QTemporaryDir folder(QStringLiteral("/dev/shm/bench_progress-XXXXXX"));
    static const QString written = writeRecordOf(Tries, folder.path()) ? folder.path() : QString();
    return written;
}

// "Show progress..." on a record of 50,000 tries until the window has painted, made afresh each
// time, as the student first opens it; then its two parts that take time apart: the record's
// tries read and the figures made of them.
void OpenProgressWindow(benchmark::State &state) {
    if (recordFolder().isEmpty())
        return state.SkipWithError("the record could not be written");
    const IonCatalogue catalogue = loadSampleCatalogue();
    Unanswered student;
    LearningRecord record({recordFolder(), {}}, student, student);
    ClockSeededRandom random;
    LearningProgress progress(catalogue, random, record, student, student);
    std::vector<double> openMs;
    for (auto _ : state) {
        progress.closeProgress();
        QElapsedTimer clock;
        clock.start();
        progress.showProgress();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frmProgress"))
                window->repaint();
        }
        openMs.push_back(msSince(clock));
        state.SetIterationTime(openMs.back() / 1e3);
    }
    std::vector<double> readMs, figuresMs;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer clock;
        clock.start();
        const QList<Attempt> tries = attemptsOf(record.attempts());
        readMs.push_back(msSince(clock));
        clock.start();
        benchmark::DoNotOptimize(progressFigures(catalogue, tries, {}, QDate::currentDate()));
        figuresMs.push_back(msSince(clock));
    }
    state.counters["median_ms"] = median(openMs);
    state.counters["read_ms"] = median(readMs);
    state.counters["figures_ms"] = median(figuresMs);
}

// The quiz starts with practice on and a record of 50,000 tries: the model is rebuilt from
// the tries read on their thread, and the first question waits for it.
void FirstQuestionWithPractice(benchmark::State &state) {
    if (recordFolder().isEmpty())
        return state.SkipWithError("the record could not be written");
    const IonCatalogue catalogue = loadSampleCatalogue();
    const QuizSettings settings = simulatedSettings();
    Unanswered student;
    LearningRecord record({recordFolder(), {}}, student, student);
    ClockSeededRandom random;
    std::vector<double> ms;
    for (auto _ : state) {
        LearningProgress progress(catalogue, random, record, student, student);
        progress.setPractising(true);
        QuestionDraw draw(catalogue, settings, random);
        QElapsedTimer clock;
        clock.start();
        progress.start();
        benchmark::DoNotOptimize(progress.nextQuestion(draw));
        ms.push_back(msSince(clock));
        state.SetIterationTime(ms.back() / 1e3);
    }
    state.counters["median_ms"] = median(ms);
}

} // namespace

BENCHMARK(OpenProgressWindow)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FirstQuestionWithPractice)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    // The choice of practice goes into the settings of a temporary home, never the user's.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
