#include "bench/peakresident.h"
#include "bench/statistics.h"
#include "quiz/feedback/answercheck.h"
#include "quiz/systemdatesource.h"
#include "tests/support/core/samplecatalogue.h"
#include "ui/printing/systemreportprinter.h"
#include "ui/record/learningrecord.h"
#include "ui/widgets/richtextedit.h"
#include "ui/windows/frmmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr int Questions = 1000;
// By then every kind of question, and the fonts and layouts they need, have been shown.
constexpr int WarmUpQuestions = 250;

// The question window on the sample data as the program makes it, its tries recorded in a
// temporary folder, but with the print offer answered No, help that does not open and no pause
// after a right answer.
struct QuestionWindow {
    explicit QuestionWindow(const QuizSettings &chosen = {})
        : settings(chosen) {
        catalogue = loadSampleCatalogue();
        record.open(QStringLiteral(IONARCH_SAMPLE_DATA));
        window.emplace(QuizServices{catalogue, settings, random, noPrint, noName, printer,
                                    dateSource, noPause, noHelp, record});
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(&*window))
            qFatal("the question window did not become active");
    }
    RichTextEdit &box(const char *name) const {
        return *window->findChild<RichTextEdit *>(QLatin1String(name));
    }
    const QuizState &state() const { return window->quiz().state(); }
    QString expectedAnswer() const {
        const Question &question = state().question;
        return question.askName ? question.compoundName : question.formula;
    }

    IonCatalogue catalogue;
    QuizSettings settings;
    ClockSeededRandom random;
    struct : MessageSink {
        MessageAnswer show(const Message &) override { return MessageAnswer::No; }
    } noPrint;
    struct : TextPrompt {
        QString askText(const QString &, const QString &) override { return {}; }
    } noName;
    SystemReportPrinter printer;
    SystemDateSource dateSource;
    struct : Pause {
        void pause(int) override {}
    } noPause;
    struct : HelpViewer {
        void showHelp(HelpTopic, const QString &) override {}
    } noHelp;
    QTemporaryDir recordFolder;
    LearningRecord record{{recordFolder.path(), {}}, noPrint, noName};
    std::optional<frmMain> window;
};

// Times an action up to the end of the widget's next paint: what the student sees, not only
// what the program computed. Events are processed meanwhile, as the event loop would.
class PaintClock final : public QObject {
public:
    explicit PaintClock(QWidget &widget) { widget.installEventFilter(this); }

    // NaN when the widget did not paint within a second.
    template <class Action> double milliseconds(Action &&action) {
        QElapsedTimer clock;
        clock.start();
        action();
        // A paint inside the action shows the old state: only a later one counts.
        m_painted = false;
        while (!m_painted) {
            if (clock.elapsed() > 1000)
                return std::nan("");
            QCoreApplication::processEvents();
        }
        return double(clock.nsecsElapsed()) / 1e6;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        // Seen before the paint; processEvents returns once the whole window has painted.
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_painted = false;
};

// The toolkit's own setPlainText, without what the rich-text box adds to it.
void setToolkitText(QTextEdit &box, const QString &text) {
    box.QTextEdit::setPlainText(text);
}

struct Kind {
    const char *name;
    QuizSettings settings;
};

constexpr AnionMask AllAnions = AnionCategory::Simple | AnionCategory::Polyatomic |
                                AnionCategory::Derivative | AnionCategory::Hydrogen |
                                AnionCategory::Other;
// Asked in turn, each in both directions at random.
const std::array<Kind, 3> Kinds{{
    {"ionic", {CationKind::Both, AllAnions, {}, QuestionKind::Mixed}},
    {"simple_covalent",
     {CationKind::Both, AnionCategory::Simple, CovalentKind::Simple, QuestionKind::Mixed}},
    {"complex_covalent",
     {CationKind::Both, AnionCategory::Simple, CovalentKind::Complex, QuestionKind::Mixed}},
}};

// Right answers typed into the question window, each Enter timed to the next question on
// screen and paired with the floor: the question box given the question's text by the
// toolkit and painted. The 1.3-second pause after a right answer is left out. Peak memory
// is taken after the first question and after the last, resident memory after the warm-up
// and after the last: a leak grows it question by question.
void QuestionTurnaround(benchmark::State &state) {
    resetPeakResident();
    QuestionWindow quiz(Kinds[0].settings);
    RichTextEdit &answer = quiz.box("rtfAnswer");
    RichTextEdit &question = quiz.box("rtfQuestion");
    PaintClock answerPainted(*answer.viewport());
    PaintClock questionPainted(*question.viewport());
    std::vector<double> floor, ours;
    // By the kind of the question posed next; name asked at odd places.
    std::array<std::vector<double>, Kinds.size() * 2> byKind;
    // Room made beforehand, so that the samples do not count as the window's memory.
    for (std::vector<double> *samples : {&floor, &ours})
        samples->reserve(Questions);
    for (std::vector<double> &samples : byKind)
        samples.reserve(Questions);
    QCoreApplication::processEvents();
    const qint64 peakAtStart = peakResidentKiB();

    std::size_t nextKind = 0;
    qint64 residentAfterWarmUp = 0;
    for (auto _ : state) {
        if (ours.size() == WarmUpQuestions)
            residentAfterWarmUp = residentKiB();
        nextKind = (nextKind + 1) % Kinds.size();
        // Read when the next question is drawn.
        quiz.settings = Kinds[nextKind].settings;
        const QString expected = quiz.expectedAnswer();
        const bool nameAsked = quiz.state().question.askName;
        answerPainted.milliseconds([&] { QTest::keyClicks(&answer, expected); });
        // A wrong answer would wait for a click on its notice.
        if (!QuizRules::isCorrectAnswer(answer.plainText(), expected, nameAsked))
            return state.SkipWithError("the typed answer was judged wrong");

        const double ms =
            questionPainted.milliseconds([&] { QTest::keyClick(&answer, Qt::Key_Return); });
        const QString shown = question.plainText();
        floor.push_back(questionPainted.milliseconds([&] { setToolkitText(question, shown); }));
        if (std::isnan(ms) || std::isnan(floor.back()))
            return state.SkipWithError("the question box did not paint");
        ours.push_back(ms);
        byKind[nextKind * 2 + (quiz.state().question.askName ? 1 : 0)].push_back(ms);
        state.SetIterationTime(ms / 1e3);
    }
    state.counters["floor_ms"] = median(floor);
    state.counters["ours_ms"] = median(ours);
    state.counters["ratio"] = medianRatio(ours, floor);
    state.counters["ours_p95_ms"] = quantile(ours, 0.95);
    for (std::size_t kind = 0; kind < Kinds.size(); ++kind) {
        const std::string name = Kinds[kind].name;
        state.counters[name + "_formula_asked_ms"] = median(byKind[kind * 2]);
        state.counters[name + "_name_asked_ms"] = median(byKind[kind * 2 + 1]);
    }
    state.counters["peak_start_KiB"] = double(peakAtStart);
    state.counters["peak_growth_KiB"] = double(peakResidentKiB() - peakAtStart);
    state.counters["resident_after_warm_up_KiB"] = double(residentAfterWarmUp);
    state.counters["resident_growth_KiB"] = double(residentKiB() - residentAfterWarmUp);
}

// A digit typed after letters and a lowered digit, timed to the answer box painted with the
// digit lowered, against the floor of the box given the same text by the toolkit.
void DigitKey(benchmark::State &state) {
    QuestionWindow quiz;
    RichTextEdit &answer = quiz.box("rtfAnswer");
    PaintClock answerPainted(*answer.viewport());
    std::vector<double> floor, ours;
    for (auto _ : state) {
        answerPainted.milliseconds([&] {
            answer.setPlainText(QString());
            QTest::keyClicks(&answer, QStringLiteral("Fe2(SO"));
        });
        const double ms = answerPainted.milliseconds([&] { QTest::keyClick(&answer, Qt::Key_4); });
        floor.push_back(
            answerPainted.milliseconds([&] { setToolkitText(answer, QStringLiteral("Fe2(SO4")); }));
        if (std::isnan(ms) || std::isnan(floor.back()))
            return state.SkipWithError("the answer box did not paint");
        ours.push_back(ms);
        state.SetIterationTime(ms / 1e3);
    }
    state.counters["floor_ms"] = median(floor);
    state.counters["ours_ms"] = median(ours);
    state.counters["ratio"] = medianRatio(ours, floor);
    state.counters["ours_p95_ms"] = quantile(ours, 0.95);
}

} // namespace

BENCHMARK(QuestionTurnaround)
    ->Iterations(Questions)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DigitKey)->Iterations(Questions)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[]) {
    // The windows stay off the screen unless a platform is asked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
