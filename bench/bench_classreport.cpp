#include "bench/statistics.h"
#include "quiz/answerkey.h"
#include "quiz/feedback/answercategory.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/resultsfile.h"
#include "tests/support/core/samplecatalogue.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <random>
#include <vector>

// ionarch-check --class over a class of 30 students with 5,000 tries each, the whole run of
// the checker timed: as hand-ins, a file for every series, and as one saved record per student.
namespace {

constexpr int Students = 30;
constexpr int TriesPerStudent = 5000;
constexpr int QuestionsPerSeries = 20;
constexpr int Rounds = 9;

// A student's series of tries on questions of the sample's answer key, drawn at random: right
// at the first try one time in two, else one to three wrong tries of some kind and then the
// answer, or a give-up after the third. Each series is the lines of its tries.
QList<QByteArray> studentSeries(int student, std::mt19937 &random) {
    static const QList<Question> key = answerKeyQuestions(loadSampleCatalogue());
    std::uniform_int_distribution<qsizetype> anyQuestion(0, key.size() - 1);
    std::uniform_int_distribution<int> anyMistake(int(AnswerCategory::SymbolCase),
                                                  int(AnswerCategory::Unclassified));
    std::uniform_int_distribution<int> wrongTries(1, 3);
    const QString name = QStringLiteral("Student %1").arg(student + 1);
    QDateTime time(QDate(2026, 9, 1), QTime(8, 0), Qt::UTC);
    QList<QByteArray> series;
    int tries = 0;
    for (int number = 1; tries < TriesPerStudent; ++number) {
        QByteArray lines;
        for (int question = 1; question <= QuestionsPerSeries && tries < TriesPerStudent;
             ++question) {
            const Question &asked = key[anyQuestion(random)];
            Attempt attempt;
            attempt.series = number;
            attempt.question = question;
            attempt.kind = asked.kind;
            attempt.askName = question % 2 == 0;
            attempt.shown = attempt.askName ? asked.formula : asked.compoundName;
            attempt.expected = attempt.askName ? asked.compoundName : asked.formula;
            if (asked.kind == CompoundKind::Ionic) {
                attempt.cationName = asked.cationName;
                attempt.cationCharge = asked.cationCharge;
                attempt.multivalent = asked.multivalent;
                attempt.anionName = asked.anionName;
            }
            const auto write = [&](Verdict verdict, const QString &typed, const QString &code) {
                attempt.verdict = verdict;
                attempt.typed = typed;
                attempt.category = code;
                attempt.time = time = time.addSecs(20);
                lines += ResultsFile::line({name, QStringLiteral("3f9a0c2b7d41"), attempt});
                ++tries;
            };
            const int wrong = random() % 2 == 0 ? 0 : wrongTries(random);
            for (int t = 0; t < wrong; ++t)
                write(Verdict::Wrong, attempt.expected.chopped(1),
                      QuizRules::categoryCode(AnswerCategory(anyMistake(random))));
            write(wrong == 3 ? Verdict::GaveUp : Verdict::Right,
                  wrong == 3 ? QString() : attempt.expected, QString());
        }
        series.append(lines);
        time = time.addDays(1);
    }
    return series;
}

bool writeFile(const QString &path, const QByteArray &lines) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ResultsFile::header() + lines) >= 0;
}

// The class written both ways: a folder of hand-ins and one of saved records.
bool writeClass(const QString &folder) {
    std::mt19937 random(19);
    QDir top(folder);
    if (!top.mkdir(QStringLiteral("hand-ins")) || !top.mkdir(QStringLiteral("records")))
        return false;
    for (int student = 0; student < Students; ++student) {
        const QList<QByteArray> series = studentSeries(student, random);
        QByteArray record;
        for (qsizetype number = 0; number < series.size(); ++number) {
            record += series[number];
            if (!writeFile(top.filePath(QStringLiteral("hand-ins/student%1_%2.tsv")
                                            .arg(student + 1)
                                            .arg(number + 1, 4, 10, QLatin1Char('0'))),
                           series[number]))
                return false;
        }
        if (!writeFile(top.filePath(QStringLiteral("records/student%1.tsv").arg(student + 1)),
                       record))
            return false;
    }
    return true;
}

// Milliseconds of a whole run of the checker, its report thrown away; NaN when it failed.
double checkerMs(const QStringList &arguments) {
    QProcess check;
    check.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    check.start(QStringLiteral(CHECK_PROGRAM), arguments);
    if (!check.waitForFinished(-1) || check.exitStatus() != QProcess::NormalExit ||
        check.exitCode() != 0)
        return std::nan("");
    return double(clock.nsecsElapsed()) / 1e6;
}

// The class, written once for both benchmarks; empty when it could not be written.
const QString &classFolder() {
    static const QTemporaryDir folder;
    static const QString written = folder.isValid() && writeClass(folder.path()) &&
                                           QDir(folder.path()).mkdir(QStringLiteral("empty"))
                                       ? folder.path()
                                       : QString();
    return written;
}

// The report on the folder, as text and as tab-separated lines; the checker's start, with a
// folder of no files, is measured beside it.
void ClassReport(benchmark::State &state, const QString &subfolder) {
    if (classFolder().isEmpty())
        return state.SkipWithError("cannot write the class's files");
    const QString path = classFolder() + u'/' + subfolder;
    const QString empty = classFolder() + QStringLiteral("/empty");
    std::vector<double> text, tsv, start;
    for (auto _ : state) {
        start.push_back(checkerMs({QStringLiteral("--class"), empty}));
        text.push_back(checkerMs({QStringLiteral("--class"), path}));
        tsv.push_back(checkerMs({QStringLiteral("--class"), path, QStringLiteral("--tsv")}));
        if (std::isnan(start.back() + text.back() + tsv.back()))
            return state.SkipWithError("the checker failed");
        state.SetIterationTime(text.back() / 1e3);
    }
    state.counters["files"] = double(QDir(path).entryList(QDir::Files).size());
    state.counters["text_ms"] = median(text);
    state.counters["tsv_ms"] = median(tsv);
    state.counters["start_ms"] = median(start);
}

} // namespace

BENCHMARK_CAPTURE(ClassReport, hand_ins, QStringLiteral("hand-ins"))
    ->Iterations(Rounds)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClassReport, records, QStringLiteral("records"))
    ->Iterations(Rounds)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
