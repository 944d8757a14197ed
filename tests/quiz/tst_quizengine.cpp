#include "fakeports.h"
#include "quizengine.h"
#include "samplecatalogue.h"

#include <QRegularExpression>
#include <QTest>

namespace {

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
    void questionIsShownInItsDirection_data() {
        QTest::addColumn<qint16>("questionKind");
        QTest::addColumn<QList<float>>("directionDraw");
        QTest::addColumn<bool>("askName");
        QTest::addRow("names to formulas") << qint16(0) << QList<float>() << false;
        QTest::addRow("formulas to names") << qint16(1) << QList<float>() << true;
        QTest::addRow("mixed, r 0.5") << qint16(2) << QList<float>{0.5f} << true;
        QTest::addRow("mixed, r just below 0.5") << qint16(2) << QList<float>{0.49999997f} << false;
    }
    void questionIsShownInItsDirection() {
        QFETCH(qint16, questionKind);
        QFETCH(QList<float>, directionDraw);
        QFETCH(bool, askName);
        Quiz quiz;
        quiz.settings.questionKind = questionKind;
        quiz.fake.random.values = QList<float>{0.9f, 0.1f} + directionDraw; // aluminium oxide
        QVERIFY(quiz.fake.question.shown.isEmpty());
        quiz.engine.activate();
        quiz.engine.activate(); // a question is on screen: nothing more is drawn
        QVERIFY(quiz.fake.random.usedExactly());
        QCOMPARE(quiz.fake.random.reseeds, 1);
        QCOMPARE(quiz.fake.prompt, askName ? "Enter the name of this compound:"
                                           : "Enter the formula for this compound:");
        QCOMPARE(quiz.fake.question.shown, askName ? "Al_2O_3" : "aluminium oxide");
        QCOMPARE(quiz.state().answerLog[1].shown, quiz.fake.question.plainText());
        QCOMPARE(quiz.state().questionNumber, 1);
        QVERIFY(quiz.engine.help3().startsWith("The positive ion is aluminium, Al."));
    }

    void outcomeIsShownAndCounted_data() {
        // Typed answers, and "help" (F3), "give up", "closes" (the window closes during the
        // next wait) and "unticks" (the anion boxes are unticked during the next wait).
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("trace");
        // Question number|score|wrong|outcome and help mark of question 1|question|answer|boxes
        QTest::addColumn<QString>("state");
        const QStringList waited{"inputs off", "repaint", "wait", "rest", "inputs on"};
        const QStringList wrong = QStringList{"notice 1: Incorrect answer, try again.\r\n"
                                              "(Check spelling.)\r\n     > CLICK HERE <"} +
                                  waited;
        const QStringList right{"notice 0: CORRECT!\r\nsodium oxide = Na2O", "repaint",
                                "pause 1300", "rest", "inputs on"};
        const QStringList reveal = QStringList{"notice 2: The correct answer is:\r\n"
                                               "sodium oxide = Na2O\r\n     > CLICK HERE <"} +
                                   waited;
        const auto row = [](const char *tag, QStringList actions, QStringList trace,
                            const char *state) {
            QTest::addRow("%s", tag) << actions << trace << QString(state);
        };
        row("a wrong answer stays to be mended", {"na2o"}, wrong, "1||||sodium oxide|na2o|0");
        row("three wrong then right, with help", {"help", "na2o", "na2o", "na2o", " Na2O "},
            wrong + wrong + wrong + right, "2|1 correct||YF3|sodium oxide||0");
        row("giving up reveals the answer", {"give up"}, reveal + QStringList{"inputs on"},
            "2||1 wrong|N|sodium oxide||0");
        row("window closed while a wrong answer waits", {"closes", "na2o"}, wrong.mid(0, 4),
            "1||||sodium oxide|na2o|0");
        row("window closed while the answer is revealed", {"closes", "give up"}, reveal.mid(0, 4),
            "1||||sodium oxide||0");
        row("no question possible after giving up", {"unticks", "give up"},
            reveal + QStringList{"inputs off"}, "1||1 wrong|N|||1");
    }
    void outcomeIsShownAndCounted() {
        QFETCH(QStringList, actions);
        Quiz quiz;
        quiz.engine.activate();
        quiz.fake.trace.clear();
        for (const QString &action : actions) {
            if (action == "help")
                quiz.engine.markHelpRequested();
            else if (action == "give up")
                quiz.engine.giveUp();
            else if (action == "closes")
                quiz.fake.onWait = [] { return false; };
            else if (action == "unticks")
                quiz.fake.onWait = [&quiz] { return quiz.settings.anionMask = 0, true; };
            else
                quiz.answer(action);
        }
        QTEST(quiz.fake.trace, "trace");
        const LogEntry &log = quiz.state().answerLog[1];
        QTEST(QStringList({QString::number(quiz.state().questionNumber), quiz.fake.score,
                           quiz.fake.wrong, log.outcome + log.helpMark, quiz.fake.question.shown,
                           quiz.fake.answer.shown, QString::number(quiz.fake.messages.size())})
                  .join(u'|'),
              "state");
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
        for (int question = 1; question <= 20; ++question)
            question % 2 ? quiz.answer("Na2O") : quiz.engine.giveUp();
        QCOMPARE(
            quiz.fake.messages.first(),
            (Message{"You've completed 20 questions.\r\nDo you want to print out your results?",
                     "Print a copy?", MessageIcon::Question, MessageButtons::YesNo}));
        const bool printed = reply == MessageAnswer::Yes;
        QCOMPARE(quiz.fake.messages.size(), printed ? 2 : 1);
        QCOMPARE(quiz.fake.printed.contains("20.  sodium oxide"), printed);
        // A new series starts with an empty log; the labels keep the old counts until changed.
        const AnswerLog &log = quiz.state().answerLog;
        const auto state = [&] {
            return QStringList({QString::number(quiz.state().questionNumber), log[1].shown,
                                log[1].outcome, log[2].shown, quiz.fake.score, quiz.fake.wrong})
                .join(u'|');
        };
        QCOMPARE(state(), "1|sodium oxide|||10 correct|10 wrong");
        quiz.answer("Na2O");
        QCOMPARE(state(), "2|sodium oxide|Y|sodium oxide|1 correct|10 wrong");
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
        const QuizSettings workable = std::exchange(quiz.settings, refused);
        quiz.engine.activate();
        quiz.engine.activate(); // as when the message box closes
        quiz.answer("Na2O");
        QCOMPARE(quiz.fake.messages.size(), 1);
        QVERIFY(quiz.fake.messages.first().text.contains(reason));
        QCOMPARE(quiz.fake.messages.first().icon, MessageIcon::Warning);
        QCOMPARE(quiz.state().questionNumber + quiz.state().correctCount, 0);
        QVERIFY(!quiz.fake.inputsEnabled);
        quiz.settings = workable;
        quiz.engine.activate();
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.fake.question.shown, "sodium oxide");
        QVERIFY(quiz.fake.inputsEnabled);
    }

    // Every combination the options window allows (any anion boxes while ionic, simple anions
    // alone while covalent), in turn, answering right and giving up by turns.
    void tenThousandQuestionsAreWellFormed() {
        QList<QuizSettings> all;
        for (qint16 questionKind = 0; questionKind <= 2; ++questionKind) {
            for (qint16 cationKind = 0; cationKind <= 2; ++cationKind) {
                for (qint16 anionMask = 1; anionMask <= 31; ++anionMask)
                    all.append({cationKind, anionMask, IonicOnly, questionKind});
            }
            for (qint16 covalentMask = 1; covalentMask <= 3; ++covalentMask)
                all.append({SingleOxidationState, SimpleAnions, covalentMask, questionKind});
        }
        // Symbols with at most one digit each, and parenthesised groups taken 2 to 9 times.
        const QRegularExpression formula(
            QStringLiteral("^(?:[A-Z][a-z]?\\d?|\\((?:[A-Z][a-z]?\\d?)+\\)[2-9])+$"));
        const QRegularExpression name(QStringLiteral("^[a-z(]\\S*(?: \\S+)*$"));
        const IonCatalogue catalogue = loadSampleCatalogue();
        FakePorts fake;
        ClockSeededRandom random;
        QuizSettings settings = all.first();
        QuizEngine engine(catalogue, settings, fake.ports(&random));
        engine.start();
        engine.activate();
        int mixedQuestions = 0;
        int namesAsked = 0;
        for (int n = 1; n <= 10000; ++n) {
            const Question &question = engine.state().question;
            QVERIFY2(formula.match(question.formula).hasMatch() &&
                         name.match(question.compoundName).hasMatch(),
                     qPrintable(question.compoundName + " = " + question.formula));
            if (settings.questionKind == MixedDirections) {
                ++mixedQuestions;
                namesAsked += question.askName;
            }
            settings = all.at(n % all.size());
            if (n % 2) {
                fake.answer.shown = question.askName ? question.compoundName : question.formula;
                fake.trace.clear();
                engine.CheckAnswer();
                QVERIFY2(fake.trace.first().startsWith("notice 0:"), qPrintable(fake.answer.shown));
            } else {
                engine.giveUp();
            }
        }
        for (const Message &message : std::as_const(fake.messages))
            QCOMPARE(message.title, "Print a copy?");
        QVERIFY(qAbs(double(namesAsked) / mixedQuestions - 0.5) < 0.05);
    }
};

QTEST_GUILESS_MAIN(QuizEngineTest)
#include "tst_quizengine.moc"
