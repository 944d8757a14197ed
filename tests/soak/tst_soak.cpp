#include "expectedquiz.h"
#include "inputblockingpause.h"
#include "ionarchapplication.h"
#include "privatecupsserver.h"
#include "quizstate.h"
#include "samplecatalogue.h"
#include "soakstudent.h"

#include <QAbstractButton>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <unistd.h>

namespace {

constexpr int QuestionsToPose = 2000;
// By then every window, topic, picture and font has been used.
constexpr int WarmUpQuestions = 250;
// A leak of half a kilobyte a question would pass it.
constexpr qint64 AllowedGrowthKiB = 1024;

qint64 residentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// The program's own pause, a hundred times shorter: input is still dropped meanwhile.
class ShortPause final : public Pause {
public:
    void pause(int milliseconds) override { m_pause.pause(milliseconds / 100); }

private:
    InputBlockingPause m_pause;
};

// Answers each box at once, the print offer with Yes or No as the seeded generator says,
// and keeps what each showed: its title, or its text when it has none.
class SeededSink final : public MessageSink {
public:
    explicit SeededSink(QRandomGenerator &random)
        : m_random(random) {}
    MessageAnswer show(const Message &message) override {
        shown << (message.title.isEmpty() ? message.text : message.title);
        if (message.buttons != MessageButtons::YesNo)
            return MessageAnswer::Ok;
        lastAnswer = m_random.bounded(2) ? MessageAnswer::Yes : MessageAnswer::No;
        return lastAnswer;
    }

    QStringList shown;
    MessageAnswer lastAnswer = MessageAnswer::No;

private:
    QRandomGenerator &m_random;
};

struct CountingPrompt final : TextPrompt {
    QString askText(const QString &, const QString &) override {
        ++asked;
        return QStringLiteral("Soak Student");
    }
    int asked = 0;
};

enum class Action { Right, Wrong, Empty, GiveUp, FunctionKey, About, Option, UntickAnions };

struct WeightedAction {
    Action action;
    int weight;
    const char *name;
};

constexpr WeightedAction Actions[] = {
    {Action::Right, 45, "right answer"},  {Action::Wrong, 10, "wrong answer"},
    {Action::Empty, 4, "empty answer"},   {Action::GiveUp, 12, "give up"},
    {Action::FunctionKey, 9, "F1 to F3"}, {Action::About, 2, "About"},
    {Action::Option, 8, "option change"}, {Action::UntickAnions, 1, "untick every anion"},
};

const QString AnionBoxes[] = {"chkAn1", "chkAn2", "chkAn4", "chkAn8", "chkAn16"};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void thousandsOfMixedActionsKeepTheScoreAndTheMemory();

private:
    void perform(Action action);
    void answerRight(bool withButton);
    void afterResolved();
    void afterActivation();
    void nextQuestion();
    void verify();

    // The actions follow from the seed alone; the questions drawn, and so the spelling of the
    // answers and the replies to the print offer, differ from run to run.
    const quint32 m_seed = quint32(qEnvironmentVariableIntValue("IONARCH_SOAK_SEED"));
    QRandomGenerator m_actions{m_seed};
    QRandomGenerator m_variations{m_seed + 1};
    IonCatalogue m_catalogue = loadSampleCatalogue();
    SeededSink m_sink{m_variations};
    CountingPrompt m_prompt;
    ShortPause m_pause;
    SoakStudent m_student;
    ExpectedQuiz m_expected;
};

void SoakTest::thousandsOfMixedActionsKeepTheScoreAndTheMemory() {
    IonarchApplication program(m_sink, m_prompt, &m_pause);
    QVERIFY(program.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
    QVERIFY(m_student.start());
    afterActivation();
    verify();

    int totalWeight = 0;
    for (const WeightedAction &action : Actions)
        totalWeight += action.weight;
    QMap<QString, int> performed;
    qint64 warmedUpKiB = 0;
    int step = 0;
    while (m_expected.posed < QuestionsToPose) {
        int pick = int(m_actions.bounded(totalWeight));
        const WeightedAction *action = std::begin(Actions);
        while (pick >= action->weight)
            pick -= (action++)->weight;
        ++performed[QString::fromLatin1(action->name)];
        ++step;
        perform(action->action);
        verify();
        if (QTest::currentTestFailed()) {
            qCritical("Seed %u, step %d, %s, question %d", m_seed, step, action->name,
                      m_expected.posed);
            return;
        }
        if (m_expected.posed == WarmUpQuestions && warmedUpKiB == 0)
            warmedUpKiB = residentKiB();
    }
    const qint64 endKiB = residentKiB();
    qInfo("%d questions in %d steps; %lld boxes, %d reports offered; resident memory %lld KiB "
          "after %d questions, %lld KiB at the end",
          m_expected.posed, step, qlonglong(m_sink.shown.size()),
          int(m_sink.shown.count(QStringLiteral("Print a copy?"))), warmedUpKiB, WarmUpQuestions,
          endKiB);
    for (auto it = performed.cbegin(); it != performed.cend(); ++it)
        qInfo("  %s: %d", qPrintable(it.key()), it.value());
#ifdef __SANITIZE_ADDRESS__
    QSKIP("Under AddressSanitizer resident memory holds its quarantine of freed blocks.");
#endif
    QVERIFY2(endKiB - warmedUpKiB <= AllowedGrowthKiB,
             qPrintable(QStringLiteral("grew by %1 KiB").arg(endKiB - warmedUpKiB)));
}

void SoakTest::perform(Action action) {
    const bool stands = m_expected.questionStands;
    const bool withButton = m_actions.bounded(2);
    switch (action) {
    case Action::Right:
        return answerRight(withButton);
    case Action::Wrong: {
        // One character short: never right, and close to it.
        const Question &question = m_student.state().question;
        const QString right = question.askName ? question.compoundName : question.formula;
        m_student.answer(stands ? right.chopped(1) : QStringLiteral("x"), withButton);
        m_student.clearAnswer();
        m_expected.noticeWaits += stands;
        return;
    }
    case Action::Empty:
        m_student.answer(QString(), withButton);
        m_expected.noticeWaits += stands;
        return;
    case Action::GiveUp:
        m_student.giveUp();
        if (!stands)
            return;
        ++m_expected.noticeWaits;
        m_expected.log[m_expected.number].outcome = QStringLiteral("N");
        m_expected.wrongText = QString::number(++m_expected.wrong) + QStringLiteral(" wrong");
        return afterResolved();
    case Action::FunctionKey: {
        const int key = 1 + int(m_actions.bounded(3));
        m_student.pressFunctionKey(key);
        if (!stands)
            return;
        // Covalent quizzes have no help on F2.
        m_expected.helpWindows += !m_expected.settings.covalentMode() || key != 2;
        if (key == 3)
            m_expected.log[m_expected.number].helpMark = QStringLiteral("F3");
        return;
    }
    case Action::About:
        m_student.chooseAbout();
        ++m_expected.helpWindows;
        return;
    case Action::Option: {
        static const QStringList names = {"optCat0", "optCat1", "optCat2", "optQT0", "optQT1",
                                          "optQT2",  "chkAn1",  "chkAn2",  "chkAn4", "chkAn8",
                                          "chkAn16", "chkCov1", "chkCov2"};
        const QString name = names[int(m_actions.bounded(names.size()))];
        m_student.clickOption(name);
        m_expected.click(name);
        return afterActivation();
    }
    case Action::UntickAnions:
        for (const QString &name : AnionBoxes) {
            if (!m_student.option(name).isChecked() || !m_expected.optionEnabled(name))
                continue;
            m_student.clickOption(name);
            m_expected.click(name);
            afterActivation();
        }
        return;
    }
}

void SoakTest::answerRight(bool withButton) {
    if (!m_expected.questionStands)
        return m_student.answer(QStringLiteral("x"), withButton);
    const Question &question = m_student.state().question;
    QString typed = question.askName ? question.compoundName : question.formula;
    // Names are judged without regard to case or surrounding spaces.
    if (question.askName) {
        for (QChar &c : typed) {
            if (m_variations.bounded(5) == 0)
                c = c.isUpper() ? c.toLower() : c.toUpper();
        }
        if (m_variations.bounded(5) == 0)
            typed = u' ' + typed + u' ';
    }
    m_student.answer(typed, withButton);
    m_expected.log[m_expected.number].outcome = QStringLiteral("Y");
    m_expected.scoreText = QString::number(++m_expected.correct) + QStringLiteral(" correct");
    afterResolved();
}

void SoakTest::afterResolved() {
    m_expected.questionStands = false;
    nextQuestion();
}

void SoakTest::afterActivation() {
    if (!m_expected.questionStands && m_expected.refusedWith != m_expected.settings)
        nextQuestion();
}

void SoakTest::nextQuestion() {
    if (!m_expected.canAsk()) {
        m_expected.boxes << QStringLiteral("No question possible");
        m_expected.refusedWith = m_expected.settings;
        return;
    }
    m_expected.refusedWith.reset();
    if (++m_expected.number > SeriesLength) {
        m_expected.boxes << QStringLiteral("Print a copy?");
        if (m_sink.lastAnswer == MessageAnswer::Yes) {
            ++m_expected.prompts;
            m_expected.boxes << QStringLiteral("There was a problem printing to your printer.");
        }
        m_expected.number = 1;
        m_expected.correct = m_expected.wrong = 0;
        m_expected.log = AnswerLog();
    }
    m_expected.questionStands = true;
    ++m_expected.posed;
    m_expected.log[m_expected.number].shown = m_student.questionText();
    QVERIFY2(fitsSettings(m_catalogue, m_expected.settings, m_student.state().question),
             qPrintable(m_student.questionText()));
}

void SoakTest::verify() {
    const QuizState &state = m_student.state();
    QCOMPARE(state.questionNumber, m_expected.number);
    QCOMPARE(state.correctCount, m_expected.correct);
    QCOMPARE(state.wrongCount, m_expected.wrong);
    for (int row = 1; row <= SeriesLength; ++row) {
        const LogEntry &entry = state.answerLog[row];
        const LogEntry &expected = m_expected.log[row];
        QCOMPARE(entry.shown, expected.shown);
        QCOMPARE(entry.outcome, expected.outcome);
        QCOMPARE(entry.helpMark, expected.helpMark);
    }
    QCOMPARE(m_student.labelText("lblScore"), m_expected.scoreText);
    QCOMPARE(m_student.labelText("lblWrong"), m_expected.wrongText);
    QCOMPARE(m_sink.shown, m_expected.boxes);
    QCOMPARE(m_prompt.asked, m_expected.prompts);
    QCOMPARE(m_student.noticesClicked, m_expected.noticeWaits);
    QCOMPARE(m_student.helpWindowsClosed, m_expected.helpWindows);
    QCOMPARE(m_student.answerInputsEnabled(), m_expected.questionStands);
    if (m_expected.questionStands) {
        const Question &question = state.question;
        QCOMPARE(m_student.questionText(),
                 question.askName ? question.formula : question.compoundName);
        QCOMPARE(m_student.keyboardFocus(), QStringLiteral("rtfAnswer"));
        QCOMPARE(m_student.labelText("lblQuestion"),
                 question.askName ? QStringLiteral("Enter the name of this compound:")
                                  : QStringLiteral("Enter the formula for this compound:"));
    } else {
        QCOMPARE(m_student.questionText(), QString());
    }
    const QuizSettings &settings = m_expected.settings;
    for (const QString &name : AnionBoxes) {
        QCOMPARE(m_student.option(name).isChecked(),
                 bool(settings.anionMask & name.mid(5).toInt()));
        QCOMPARE(m_student.option(name).isEnabled(), !settings.covalentMode());
    }
    for (const int bit : {1, 2}) {
        QCOMPARE(m_student.option(QStringLiteral("chkCov%1").arg(bit)).isChecked(),
                 bool(settings.covalentMask & bit));
    }
    QVERIFY(m_student.option(QStringLiteral("optCat%1").arg(settings.cationKind)).isChecked());
    QVERIFY(m_student.option(QStringLiteral("optQT%1").arg(settings.questionKind)).isChecked());
}

int main(int argc, char *argv[]) {
    // No scheduler listens at this socket: every report fails to print.
    const QTemporaryDir folder;
    useCupsServer(folder.filePath(QStringLiteral("no-scheduler.sock")), folder.path());
    QApplication application(argc, argv);
    SoakTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soak.moc"
