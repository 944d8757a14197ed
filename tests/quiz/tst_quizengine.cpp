#include "fakeports.h"
#include "questionavailability.h"
#include "questiondraw.h"
#include "quizengine.h"
#include "samplecatalogue.h"

#include <QTest>

namespace {

// Entries named by table and row, "multi3" for row 3; the last one has its own charges.
void addNumbered(IonCatalogue &catalogue, IonTable table, const char *prefix, int count,
                 const char *charges = "1", const char *lastCharges = "1") {
    for (int row = 1; row <= count; ++row)
        catalogue.table(table).append({QStringLiteral("%1%2").arg(prefix).arg(row), "X",
                                       row == count ? lastCharges : charges});
}

// Elements: oxygen O 2, carbon C 4; anion: oxide O 2; complex: dry ice CO2, water H2O.
IonCatalogue covalentCatalogue() {
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}, {"carbon", "C", "4"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
    addEntries(catalogue, IonTable::CovalentComplex,
               {{"dry ice", "CO2", ""}, {"water", "H2O", ""}});
    return catalogue;
}

// Random values of 0 always draw sodium oxide, and oxygen with oxide in covalent mode.
struct Quiz {
    FakePorts fake;
    IonCatalogue catalogue = covalentCatalogue();
    QuizSettings settings{SingleOxidationState, SimpleAnions, IonicOnly, NamesToFormulas};
    QuizEngine engine{catalogue, settings, fake.ports()};

    Quiz() {
        addEntries(catalogue, IonTable::CationsMonovalent,
                   {{"sodium", "Na", "1"}, {"aluminium", "Al", "3"}});
        engine.start();
    }
    void answer(const QString &typed) {
        fake.answer.shown = typed;
        engine.CheckAnswer();
    }
    const QuizState &state() const { return engine.state(); }
};

QuizSettings settings(qint16 cationKind, qint16 anionMask, qint16 covalentMask) {
    return {cationKind, anionMask, covalentMask, NamesToFormulas};
}

} // namespace

class QuizEngineTest : public QObject {
    Q_OBJECT

private slots:
    void ionicDrawTakesTheRowsDrawn_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("drawn"); // cation, its charge (* when drawn from several), anion
        const auto row = [](const char *tag, QuizSettings chosen, QList<float> values,
                            const char *drawn) {
            QTest::addRow("%s", tag) << chosen << values << QString(drawn);
        };
        // 10 monovalent and 30 multivalent cations; anions 12, 7, 5, 3 and 4 to a table.
        row("multivalent, 23 with a low draw", settings(1, 1, 0), {rowValue(7, 30), 0.2f, 0},
            "multi7 2* simple1");
        row("both kinds, 10 is monovalent row 10", settings(2, 1, 0), {rowValue(10, 40), 0.7f, 0},
            "mono10 3* simple1");
        row("both kinds, 11 is multivalent row 1", settings(2, 1, 0), {rowValue(11, 40), 0.7f, 0},
            "multi1 3* simple1");
        row("anion bits 1 and 4, 12 is simple row 12", settings(0, 5, 0), {0, rowValue(12, 17)},
            "mono1 1 simple12");
        row("anion bits 1 and 4, 13 is derivative row 1", settings(0, 5, 0), {0, rowValue(13, 17)},
            "mono1 1 derivative1");
        row("all anion bits, 25 is hydrogen row 1", settings(0, 31, 0), {0, rowValue(25, 31)},
            "mono1 1 hydrogen1");
    }
    void ionicDrawTakesTheRowsDrawn() {
        QFETCH(QuizSettings, settings);
        IonCatalogue catalogue;
        addNumbered(catalogue, IonTable::CationsMonovalent, "mono", 10, "1", "13");
        addNumbered(catalogue, IonTable::CationsMultivalent, "multi", 30, "23", "2");
        addNumbered(catalogue, IonTable::AnionsSimple, "simple", 12);
        addNumbered(catalogue, IonTable::AnionsPolyatomic, "polyatomic", 7);
        addNumbered(catalogue, IonTable::AnionsDerivative, "derivative", 5);
        addNumbered(catalogue, IonTable::AnionsHydrogen, "hydrogen", 3);
        addNumbered(catalogue, IonTable::AnionsOther, "other", 4);
        ScriptedRandom random;
        QFETCH(QList<float>, values);
        random.values = values;
        const Question question =
            QuestionDraw(catalogue, settings, random).drawQuestion()->question;
        QTEST(QStringList({question.cationName,
                           question.cationCharge + (question.multivalent ? "*" : ""),
                           question.anionName})
                  .join(u' '),
              "drawn");
        QVERIFY(random.usedExactly());
    }

    void covalentDrawRepeatsUntilFormulasDiffer_data() {
        QTest::addColumn<qint16>("covalentMask");
        QTest::addColumn<IonTable>("emptied");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, qint16 mask, IonTable emptied, QList<float> values,
                            const char *name) {
            QTest::addRow("%s", tag) << mask << emptied << values << QString(name);
        };
        const IonTable none = IonTable::AnionsOther;
        row("simple: oxygen with oxide is drawn again, CO2 has a listed name", 1, none,
            {rowValue(1, 2), 0, rowValue(2, 2), 0}, "dry ice");
        row("both: the kind is drawn again too", 3, none,
            {rowValue(1, 4), rowValue(1, 2), 0, rowValue(4, 4), 0.7f}, "water");
        row("both without elements: complex, no kind draw", 3, IonTable::CovalentSimple, {0.7f},
            "water");
        row("both without complex compounds: simple, no kind draw", 3, IonTable::CovalentComplex,
            {rowValue(2, 2), 0}, "carbon dioxide");
    }
    void covalentDrawRepeatsUntilFormulasDiffer() {
        QFETCH(qint16, covalentMask);
        QFETCH(IonTable, emptied);
        QFETCH(QList<float>, values);
        IonCatalogue catalogue = covalentCatalogue();
        catalogue.table(emptied).clear();
        ScriptedRandom random;
        random.values = values;
        const auto drawn =
            QuestionDraw(catalogue, settings(0, 1, covalentMask), random).drawQuestion();
        QTEST(drawn->question.compoundName, "name");
        QVERIFY(!drawn->specificHelp);
        QVERIFY(random.usedExactly());
    }

    void covalentDrawGivesUpAtItsLimit() {
        ScriptedRandom random; // always 0: always oxygen with oxide
        QVERIFY(!QuestionDraw(covalentCatalogue(), settings(0, 1, 1), random).drawQuestion());
        QCOMPARE(random.overruns, 2 * QuestionDraw::CovalentDrawLimit);
    }

    void settingsWithoutQuestionsAreExplained_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<QList<IonTable>>("emptied");
        QTest::addColumn<QString>("reason"); // a part of it; empty: a question can be given
        using T = IonTable;
        const auto row = [](const char *tag, QuizSettings chosen, QList<IonTable> emptied,
                            const char *reason) {
            QTest::addRow("%s", tag) << chosen << emptied << QString(reason);
        };
        row("single state, no such cations", settings(0, 1, 0), {T::CationsMonovalent},
            "single oxidation state");
        row("ticked anion tables empty", settings(0, 2, 0), {T::AnionsPolyatomic}, "have no ions");
        row("complex only, no complex compounds", settings(0, 1, 2), {T::CovalentComplex},
            "no complex covalent");
        row("both covalent kinds, none left", settings(0, 1, 3),
            {T::CovalentSimple, T::CovalentComplex}, "to practise ionic compounds");
    }
    void settingsWithoutQuestionsAreExplained() {
        QFETCH(QuizSettings, settings);
        QFETCH(QList<IonTable>, emptied);
        QFETCH(QString, reason);
        IonCatalogue catalogue = loadSampleCatalogue();
        for (IonTable table : emptied)
            catalogue.table(table).clear();
        const QString why = whyNoQuestion(catalogue, settings);
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
    }

    void oneFormulaForElementsAndAnionsIsExplained() {
        IonCatalogue catalogue;
        addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}});
        addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
        QVERIFY(whyNoQuestion(catalogue, settings(0, 1, 1)).contains("the same formula"));
    }

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
};

QTEST_GUILESS_MAIN(QuizEngineTest)
#include "tst_quizengine.moc"
