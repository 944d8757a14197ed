#include "bench/statistics.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/practice/practicemodel.h"
#include "quiz/practice/weakspotchooser.h"
#include "quiz/questiondraw.h"
#include "tests/support/core/samplecatalogue.h"
#include "tools/sim/simulation.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int Tries = 50'000;
const QDate FirstDay(2024, 9, 2);

struct History {
    IonCatalogue catalogue;
    QList<Attempt> tries;
};

// A year of a keen student's record: the simulated students' questions, 150 tries a day, one
// question in three first answered wrong with a mistake the model reads (one in four of those
// unexplained) before the right answer.
const History &history() {
    static const History made = [] {
        const AnswerCategory mistakes[] = {AnswerCategory::WrongAnion, AnswerCategory::WrongIon,
                                           AnswerCategory::ChargesUnbalanced,
                                           AnswerCategory::Unclassified};
        History history{loadSampleCatalogue(), {}};
        ClockSeededRandom random;
        random.seedWith(1);
        const QuizSettings settings = simulatedSettings();
        QuestionDraw draw(history.catalogue, settings, random);
        for (int number = 1; history.tries.size() < Tries; ++number) {
            const Question question = draw.drawQuestion()->question;
            const QDateTime time(FirstDay.addDays(history.tries.size() / 150), QTime(17, 0));
            if (number % 3 == 0)
                history.tries << tryAt(question, Verdict::Wrong,
                                       QuizRules::categoryCode(mistakes[number / 3 % 4]), number,
                                       time);
            history.tries << tryAt(question, Verdict::Right, {}, number, time);
        }
        return history;
    }();
    return made;
}

// The whole record learnt afresh, as at start.
void RebuildModel(benchmark::State &state) {
    const History &record = history();
    for (auto _ : state) {
        PracticeModel model(record.catalogue);
        model.learnFrom(record.tries);
        benchmark::DoNotOptimize(model);
    }
    state.counters["tries"] = double(record.tries.size());
}

// The next question with practice on, the model learnt from the whole record; a fifth of the
// choices are plain draws, so the slowest choices (thirty candidates weighed) show in the 99th
// percentile and the maximum.
void ChooseQuestion(benchmark::State &state) {
    const History &record = history();
    PracticeModel model(record.catalogue);
    model.learnFrom(record.tries);
    ClockSeededRandom random;
    random.seedWith(2);
    const QuizSettings settings = simulatedSettings();
    QuestionDraw draw(record.catalogue, settings, random);
    const QDate today = record.tries.last().time.date().addDays(1);
    WeakSpotChooser chooser(model, random, [today] { return today; });
    chooser.setEnabled(true);
    std::vector<double> microseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(chooser.nextQuestion(draw));
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        microseconds.push_back(took.count());
        state.SetIterationTime(took.count() / 1e6);
    }
    state.counters["median_us"] = median(microseconds);
    state.counters["p99_us"] = quantile(microseconds, 0.99);
    state.counters["max_us"] = *std::max_element(microseconds.begin(), microseconds.end());
}

} // namespace

BENCHMARK(RebuildModel)->Unit(benchmark::kMillisecond);
BENCHMARK(ChooseQuestion)->Iterations(5000)->UseManualTime()->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
