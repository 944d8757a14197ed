#include "quiz/answerkey.h"
#include "quiz/feedback/answerfeedback.h"
#include "tests/support/core/samplecatalogue.h"

#include <benchmark/benchmark.h>

namespace {

struct Attempt {
    Question question;
    QString typed;
};

struct Sample {
    IonCatalogue catalogue;
    QList<Attempt> right;
    // Cut short by a letter, which most rules must look at before none explains it.
    QList<Attempt> wrong;
};

const Sample &sample() {
    static const Sample loaded = [] {
        Sample sample;
        sample.catalogue = loadSampleCatalogue();
        for (Question question : answerKeyQuestions(sample.catalogue)) {
            for (bool askName : {false, true}) {
                question.askName = askName;
                const QString &answer = askName ? question.compoundName : question.formula;
                sample.right.append({question, answer});
                sample.wrong.append({question, answer.chopped(1)});
            }
        }
        return sample;
    }();
    return loaded;
}

// Every compound of the sample, both ways, judged with its explanation; per_answer is the
// time one judgement takes.
void judge(benchmark::State &state, const QList<Attempt> &attempts) {
    const IonCatalogue &catalogue = sample().catalogue;
    for (auto _ : state) {
        for (const Attempt &attempt : attempts)
            benchmark::DoNotOptimize(
                QuizRules::judgeAnswer(attempt.question, attempt.typed, catalogue));
    }
    state.counters["per_answer"] =
        benchmark::Counter(double(attempts.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void RightAnswers(benchmark::State &state) {
    judge(state, sample().right);
}

void WrongAnswers(benchmark::State &state) {
    judge(state, sample().wrong);
}

} // namespace

BENCHMARK(RightAnswers)->Unit(benchmark::kMillisecond);
BENCHMARK(WrongAnswers)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
