#include "fakeports.h"
#include "quizengine.h"
#include "samplecatalogue.h"

#include <QTest>

namespace {

const QString Incorrect = QStringLiteral(
    "notice 1: Incorrect answer, try again.\r\n(Check spelling.)\r\n     > CLICK HERE <");

// Random values of 0 always draw sodium oxide, and oxygen with oxide in covalent mode.
struct Quiz {
    FakePorts fake;
    IonCatalogue catalogue;
    QuizSettings settings{SingleOxidationState, SimpleAnions, IonicOnly, NamesToFormulas};
    QuizEngine engine{catalogue, settings, fake.ports()};

    Quiz() {
        addEntries(catalogue, IonTable::CationsMonovalent,
                   {{"sodium", "Na", "1"}, {"aluminium", "Al", "3"}});
        addEntries(catalogue, IonTable::AnionsSimple,
                   {{"oxide", "O", "2"}, {"chloride", "Cl", "1"}});
        addEntries(catalogue, IonTable::CovalentSimple,
                   {{"oxygen", "O", "2"}, {"carbon", "C", "4"}});
        engine.start();
    }
    void answer(const QString &typed) {
        fake.answer.shown = typed;
        engine.CheckAnswer();
    }
    const QuizState &state() const { return engine.state(); }
};

} // namespace

class QuizEngineTest : public QObject {
    Q_OBJECT

private slots:
    void firstActivationPosesQuestionOne() {
        Quiz quiz;
        QCOMPARE(quiz.fake.random.reseeds, 1);
        QVERIFY(quiz.fake.question.shown.isEmpty() && quiz.fake.score.isEmpty());
        quiz.engine.activate();
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.fake.prompt, "Enter the formula for this compound:");
        QCOMPARE(quiz.fake.question.shown, "sodium oxide");
        QCOMPARE(quiz.state().answerLog[1].shown, "sodium oxide");
        QVERIFY(quiz.engine.help3().startsWith("The positive ion is sodium, Na."));
        quiz.engine.activate(); // a question is on screen: nothing is drawn
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.fake.random.overruns, 2);
    }

    void questionIsShownInItsDirection_data() {
        QTest::addColumn<qint16>("questionKind");
        QTest::addColumn<QList<float>>("directionDraw");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("shown"); // "_" marks a lowered digit
        const QString askFormula = "Enter the formula for this compound:";
        const QString askName = "Enter the name of this compound:";
        QTest::addRow("names to formulas")
            << qint16(0) << QList<float>() << askFormula << "aluminium oxide";
        QTest::addRow("formulas to names") << qint16(1) << QList<float>() << askName << "Al_2O_3";
        QTest::addRow("mixed, r 0.5") << qint16(2) << QList<float>{0.5f} << askName << "Al_2O_3";
        QTest::addRow("mixed, r just below 0.5")
            << qint16(2) << QList<float>{0.49999997f} << askFormula << "aluminium oxide";
    }

    void questionIsShownInItsDirection() {
        QFETCH(qint16, questionKind);
        QFETCH(QList<float>, directionDraw);
        Quiz quiz;
        quiz.settings.questionKind = questionKind;
        quiz.fake.random.values = QList<float>{0.9f, 0.1f} + directionDraw;
        quiz.engine.activate();
        QTEST(quiz.fake.prompt, "prompt");
        QTEST(quiz.fake.question.shown, "shown");
        QCOMPARE(quiz.state().answerLog[1].shown, quiz.fake.question.plainText());
        QVERIFY(quiz.fake.random.usedExactly());
    }

    void wrongAttemptsThenRightCountOnce() {
        Quiz quiz;
        quiz.engine.activate();
        quiz.engine.markHelpRequested();
        for (int attempt = 1; attempt <= 3; ++attempt) {
            quiz.fake.trace.clear();
            quiz.answer("na2o");
            QCOMPARE(quiz.fake.trace, QStringList({Incorrect, "inputs off", "repaint", "wait",
                                                   "rest", "inputs on"}));
            QCOMPARE(quiz.fake.answer.shown, "na2o");
            QCOMPARE(quiz.state().correctCount, 0);
            QVERIFY(quiz.state().answerLog[1].outcome.isEmpty());
        }
        quiz.fake.trace.clear();
        quiz.answer(" Na2O ");
        QCOMPARE(quiz.fake.trace.mid(0, 4),
                 QStringList({"notice 0: CORRECT!\r\nsodium oxide = Na2O", "repaint", "pause 1300",
                              "rest"}));
        QCOMPARE(quiz.fake.score, "1 correct");
        QVERIFY(quiz.fake.wrong.isEmpty());
        QCOMPARE(quiz.state().answerLog[1].outcome, "Y");
        QCOMPARE(quiz.state().answerLog[1].helpMark, "F3");
        QCOMPARE(quiz.state().correctCount, 1);
        QCOMPARE(quiz.state().wrongCount, 0);
        QCOMPARE(quiz.state().questionNumber, 2);
    }

    void givingUpRevealsTheAnswerBeforeMovingOn() {
        Quiz quiz;
        quiz.engine.activate();
        quiz.fake.trace.clear();
        quiz.engine.giveUp();
        QCOMPARE(quiz.fake.trace.mid(0, 6),
                 QStringList({"notice 2: The correct answer is:\r\nsodium oxide = Na2O\r\n     > "
                              "CLICK HERE <",
                              "inputs off", "repaint", "wait", "rest", "inputs on"}));
        QCOMPARE(quiz.fake.wrong, "1 wrong");
        QVERIFY(quiz.fake.score.isEmpty());
        QCOMPARE(quiz.state().answerLog[1].outcome, "N");
        QCOMPARE(quiz.state().wrongCount, 1);
        QCOMPARE(quiz.state().questionNumber, 2);
    }

    void seriesEndOffersToPrint_data() {
        QTest::addColumn<MessageAnswer>("reply");
        QTest::addRow("yes prints the finished series") << MessageAnswer::Yes;
        QTest::addRow("no goes straight on") << MessageAnswer::No;
    }

    void seriesEndOffersToPrint() {
        QFETCH(MessageAnswer, reply);
        Quiz quiz;
        quiz.fake.answers = {reply};
        quiz.engine.activate();
        for (int question = 1; question <= 20; ++question) {
            QVERIFY(quiz.fake.messages.isEmpty());
            question % 2 ? quiz.answer("Na2O") : quiz.engine.giveUp();
        }
        const Message offer{
            "You've completed 20 questions.\r\nDo you want to print out your results?",
            "Print a copy?", MessageIcon::Question, MessageButtons::YesNo};
        QCOMPARE(quiz.fake.messages.first(), offer);
        const bool printed = reply == MessageAnswer::Yes;
        QCOMPARE(quiz.fake.messages.size(), printed ? 2 : 1);
        QCOMPARE(quiz.fake.printed.contains("10.  sodium oxide "), printed);
        QCOMPARE(quiz.fake.printed.contains("20.  sodium oxide"), printed);

        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().correctCount, 0);
        QCOMPARE(quiz.state().wrongCount, 0);
        QCOMPARE(quiz.state().answerLog[1].shown, "sodium oxide");
        QVERIFY(quiz.state().answerLog[1].outcome.isEmpty() &&
                quiz.state().answerLog[2].shown.isEmpty());
        QCOMPARE(quiz.fake.score, "10 correct");
        QCOMPARE(quiz.fake.wrong, "10 wrong");
        quiz.answer("Na2O");
        QCOMPARE(quiz.fake.score, "1 correct");
        QCOMPARE(quiz.fake.wrong, "10 wrong");
    }

    void closingTheWindowDuringTheWaitEndsTheOutcome_data() {
        QTest::addColumn<bool>("givingUp");
        QTest::addRow("after a wrong answer") << false;
        QTest::addRow("after giving up") << true;
    }

    void closingTheWindowDuringTheWaitEndsTheOutcome() {
        QFETCH(bool, givingUp);
        Quiz quiz;
        quiz.engine.activate();
        quiz.fake.onWait = [] { return false; };
        quiz.fake.trace.clear();
        givingUp ? quiz.engine.giveUp() : quiz.answer("wrong");
        QCOMPARE(quiz.fake.trace.last(), "wait");
        QCOMPARE(quiz.state().wrongCount, 0);
        QVERIFY(quiz.state().answerLog[1].outcome.isEmpty());
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().question.formula, "Na2O");
        QCOMPARE(quiz.fake.random.overruns, 2);
    }

    void nothingIsJudgedWithoutAQuestion() {
        Quiz quiz;
        quiz.answer("Na2O");
        quiz.engine.giveUp();
        quiz.engine.markHelpRequested();
        QVERIFY(quiz.fake.trace.isEmpty());
        QCOMPARE(quiz.state().correctCount + quiz.state().wrongCount, 0);
        QVERIFY(quiz.state().answerLog[0].helpMark.isEmpty());
    }

    void refusalPosesNothingUntilSettingsChange_data() {
        QTest::addColumn<QuizSettings>("refused");
        QTest::addColumn<QString>("reason");
        QTest::addRow("no anion box ticked")
            << QuizSettings{SingleOxidationState, 0, IonicOnly, NamesToFormulas} << "green options";
        QTest::addRow("covalent draws exhausted")
            << QuizSettings{SingleOxidationState, SimpleAnions, SimpleCovalent, NamesToFormulas}
            << "in 1000 draws";
    }

    void refusalPosesNothingUntilSettingsChange() {
        QFETCH(QuizSettings, refused);
        QFETCH(QString, reason);
        Quiz quiz;
        const QuizSettings workable = quiz.settings;
        quiz.settings = refused;
        quiz.engine.activate();
        QCOMPARE(quiz.fake.messages.size(), 1);
        QVERIFY(quiz.fake.messages.first().text.contains(reason));
        QCOMPARE(quiz.fake.messages.first().icon, MessageIcon::Warning);
        QCOMPARE(quiz.state().questionNumber, 0);
        QVERIFY(quiz.fake.question.shown.isEmpty());
        QVERIFY(!quiz.fake.inputsEnabled);

        quiz.engine.activate(); // as when the message box closes
        quiz.answer("Na2O");
        QCOMPARE(quiz.fake.messages.size(), 1);
        QCOMPARE(quiz.state().correctCount, 0);

        quiz.settings = workable;
        quiz.engine.activate();
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.fake.question.shown, "sodium oxide");
        QVERIFY(quiz.fake.inputsEnabled);
    }

    void refusalAfterAnAnswerKeepsTheScore() {
        Quiz quiz;
        quiz.engine.activate();
        quiz.fake.answer.shown = "typed";
        quiz.fake.onWait = [&quiz] { // the options window is used while the notice waits
            quiz.settings.anionMask = 0;
            return true;
        };
        quiz.engine.giveUp();
        QCOMPARE(quiz.fake.messages.size(), 1);
        QCOMPARE(quiz.fake.wrong, "1 wrong");
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().answerLog[1].outcome, "N");
        QVERIFY(quiz.fake.question.shown.isEmpty() && quiz.fake.answer.shown.isEmpty());
        QVERIFY(!quiz.fake.inputsEnabled);
    }
};

QTEST_GUILESS_MAIN(QuizEngineTest)
#include "tst_quizengine.moc"
