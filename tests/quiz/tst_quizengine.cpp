#include "fakes.h"
#include "questionavailability.h"
#include "questiondraw.h"
#include "quizengine.h"
#include "samplecatalogue.h"
#include "table.h"

#include <QTest>

namespace {

// Settings by the names of their choices: "both", "simple derivative", "simple complex".
QuizSettings settingsNamed(const QString &cations, const QString &anions,
                           const QString &covalent = {}) {
    const QStringList kinds{"single", "multi", "both"};
    const QStringList categories{"simple", "polyatomic", "derivative", "hydrogen", "other"};
    QuizSettings settings{
        CationKind(kinds.indexOf(cations)), {}, {}, QuestionKind::NamesToFormulas};
    for (const QString &name : anions.split(u' ', Qt::SkipEmptyParts))
        settings.anionMask |= AnionCategory(1 << categories.indexOf(name));
    for (const QString &name : covalent.split(u' ', Qt::SkipEmptyParts))
        settings.covalentMask |= name == "simple" ? CovalentKind::Simple : CovalentKind::Complex;
    return settings;
}

// Elements oxygen and carbon, the anion oxide, the complex compounds dry ice (CO2) and water,
// the cations sodium and aluminium. Random values of 0 draw sodium oxide, and oxygen oxide.
const QByteArray SmallCourse =
    "[Covalent-simple]\r\noxygen,O,2\r\ncarbon,C,4\r\n[Anions-simple]\r\noxide,O,2\r\n"
    "[Covalent-complex]\r\ndry ice,CO2\r\nwater,H2O\r\n"
    "[Cations-monovalent]\r\nsodium,Na,1\r\naluminium,Al,3";
const QuizSettings Ionic = settingsNamed("single", "simple");

struct Quiz {
    FakePorts fake;
    IonCatalogue catalogue = catalogueFrom(SmallCourse);
    QuizSettings settings = Ionic;
    QuizEngine engine{catalogue, settings, fake.ports()};

    Quiz() { engine.start(); }
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
    void ionicDrawTakesTheRowsDrawn_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("cation");
        QTest::addColumn<QString>("charge");
        QTest::addColumn<bool>("multivalent");
        QTest::addColumn<QString>("anion");
        for (const QStringList &row : tableRows("draws.tsv")) {
            QList<float> values;
            for (const QString &value : row[3].split(u' '))
                values << (value.contains(u'/') ? rowValue(value.section(u'/', 0, 0).toInt(),
                                                           value.section(u'/', 1).toInt())
                                                : value.toFloat());
            QTest::addRow("%s", qPrintable(row[0]))
                << settingsNamed(row[1], row[2]) << values << row[4] << row[5] << (row[6] == "yes")
                << row[7];
        }
    }
    void ionicDrawTakesTheRowsDrawn() {
        QFETCH(QuizSettings, settings);
        QFETCH(QList<float>, values);
        IonCatalogue catalogue;
        const auto add = [&](IonTable table, const char *name, int count, const char *charges,
                             const char *last) {
            for (int row = 1; row <= count; ++row)
                catalogue.table(table).append(
                    {name + QString::number(row), "X", row == count ? last : charges});
        };
        add(IonTable::CationsMonovalent, "mono", 10, "1", "13");
        add(IonTable::CationsMultivalent, "multi", 30, "23", "2");
        add(IonTable::AnionsSimple, "simple", 12, "1", "1");
        add(IonTable::AnionsPolyatomic, "polyatomic", 7, "1", "1");
        add(IonTable::AnionsDerivative, "derivative", 5, "1", "1");
        add(IonTable::AnionsHydrogen, "hydrogen", 3, "1", "1");
        add(IonTable::AnionsOther, "other", 4, "1", "1");
        ScriptedRandom random;
        random.values = values;
        const Question question =
            QuestionDraw(catalogue, settings, random).drawQuestion()->question;
        QTEST(question.cationName, "cation");
        QTEST(question.cationCharge, "charge");
        QTEST(question.multivalent, "multivalent");
        QTEST(question.anionName, "anion");
        QVERIFY(random.usedExactly());
    }

    void covalentDrawRepeatsUntilFormulasDiffer_data() {
        QTest::addColumn<QString>("covalent");
        QTest::addColumn<IonTable>("emptied");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("name");
        QTest::addRow("oxygen oxide is drawn again, CO2 takes its listed name")
            << "simple" << IonTable::AnionsOther << QList{rowValue(1, 2), 0.f, rowValue(2, 2), 0.f}
            << "dry ice";
        QTest::addRow("both kinds: the kind is drawn again too")
            << "simple complex" << IonTable::AnionsOther
            << QList{rowValue(1, 4), rowValue(1, 2), 0.f, rowValue(4, 4), 0.7f} << "water";
        QTest::addRow("both without elements: complex, no kind drawn")
            << "simple complex" << IonTable::CovalentSimple << QList{0.7f} << "water";
        QTest::addRow("both without complex compounds: simple, no kind drawn")
            << "simple complex" << IonTable::CovalentComplex << QList{rowValue(2, 2), 0.f}
            << "carbon dioxide";
    }
    void covalentDrawRepeatsUntilFormulasDiffer() {
        QFETCH(QString, covalent);
        QFETCH(IonTable, emptied);
        IonCatalogue catalogue = catalogueFrom(SmallCourse);
        catalogue.table(emptied).clear();
        ScriptedRandom random;
        QFETCH(QList<float>, values);
        random.values = values;
        const auto drawn =
            QuestionDraw(catalogue, settingsNamed("single", "simple", covalent), random)
                .drawQuestion();
        QTEST(drawn->question.compoundName, "name");
        QVERIFY(!drawn->specificHelp);
        QVERIFY(random.usedExactly());
    }

    void covalentDrawGivesUpAtItsLimit() {
        ScriptedRandom random; // always 0: always oxygen with oxide
        QVERIFY(!QuestionDraw(catalogueFrom(SmallCourse),
                              settingsNamed("single", "simple", "simple"), random)
                     .drawQuestion());
        QCOMPARE(random.overruns, 2 * QuestionDraw::CovalentDrawLimit);
    }

    void settingsWithoutQuestionsAreExplained_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<IonCatalogue>("catalogue");
        QTest::addColumn<QString>("reason"); // a part of it
        const auto sampleWithout = [](QList<IonTable> tables) {
            IonCatalogue catalogue = loadSampleCatalogue();
            for (IonTable table : tables)
                catalogue.table(table).clear();
            return catalogue;
        };
        QTest::addRow("single state, no such cations")
            << Ionic << sampleWithout({IonTable::CationsMonovalent}) << "single oxidation state";
        QTest::addRow("ticked anion tables empty")
            << settingsNamed("both", "polyatomic") << sampleWithout({IonTable::AnionsPolyatomic})
            << "have no ions";
        QTest::addRow("no anion ticked")
            << settingsNamed("both", "") << sampleWithout({}) << "green options";
        QTest::addRow("complex only, no complex compounds")
            << settingsNamed("single", "simple", "complex")
            << sampleWithout({IonTable::CovalentComplex}) << "no complex covalent";
        QTest::addRow("both covalent kinds, none left")
            << settingsNamed("single", "simple", "simple complex")
            << sampleWithout({IonTable::CovalentSimple, IonTable::CovalentComplex})
            << "to practise ionic compounds";
        QTest::addRow("elements and anions of one formula")
            << settingsNamed("single", "simple", "simple")
            << catalogueFrom("[Covalent-simple]\r\noxygen,O,2\r\n[Anions-simple]\r\noxide,O,2")
            << "the same formula";
    }
    void settingsWithoutQuestionsAreExplained() {
        QFETCH(QuizSettings, settings);
        QFETCH(IonCatalogue, catalogue);
        QFETCH(QString, reason);
        const QString why = whyNoQuestion(catalogue, settings);
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void questionIsShownInItsDirection_data() {
        QTest::addColumn<QuestionKind>("questionKind");
        QTest::addColumn<QList<float>>("directionDraw");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("shown");
        const QString name = "Enter the name of this compound:",
                      formula = "Enter the formula for this compound:";
        QTest::addRow("names to formulas")
            << QuestionKind::NamesToFormulas << QList<float>() << formula << "aluminium oxide";
        QTest::addRow("formulas to names")
            << QuestionKind::FormulasToNames << QList<float>() << name << "Al_2O_3";
        QTest::addRow("mixed, r 0.5") << QuestionKind::Mixed << QList{0.5f} << name << "Al_2O_3";
        QTest::addRow("mixed, r just below")
            << QuestionKind::Mixed << QList{0.49999997f} << formula << "aluminium oxide";
    }
    void questionIsShownInItsDirection() {
        QFETCH(QuestionKind, questionKind);
        QFETCH(QList<float>, directionDraw);
        Quiz quiz;
        quiz.settings.questionKind = questionKind;
        quiz.fake.random.values = QList<float>{0.9f, 0.1f} + directionDraw; // aluminium oxide
        quiz.engine.activate();
        quiz.engine.activate(); // a question stands: nothing more is drawn
        QVERIFY(quiz.fake.random.usedExactly());
        QCOMPARE(quiz.fake.random.reseeds, 1);
        QTEST(quiz.fake.prompt, "prompt");
        QTEST(quiz.fake.question.shown, "shown");
        QCOMPARE(quiz.state().answerLog[1].shown, quiz.fake.question.plainText());
        QCOMPARE(quiz.state().questionNumber, 1);
    }

    void outcomeIsShownAndCounted_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<int>("questionNumber");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("answerBox");
        QTest::addColumn<bool>("inputsEnabled");
        const QMap<QString, QString> notices{
            {"wrong",
             "click: Incorrect answer, try again.\r\n(Check spelling.)\r\n     > CLICK HERE <"},
            {"right", "1300 ms: CORRECT!\r\nsodium oxide = Na2O"},
            {"revealed",
             "click: The correct answer is:\r\nsodium oxide = Na2O\r\n     > CLICK HERE <"}};
        for (const QStringList &row : tableRows("outcomes.tsv")) {
            QStringList shown;
            for (const QString &name : row[2].split(u' '))
                shown << notices[name];
            QTest::addRow("%s", qPrintable(row[0]))
                << row[1].split(u';') << shown << row[3].toInt() << row[4] << row[5] << row[6]
                << row[7] << (row[8] == "yes");
        }
    }
    void outcomeIsShownAndCounted() {
        QFETCH(QStringList, actions);
        Quiz quiz;
        quiz.engine.activate();
        for (const QString &action : actions) {
            if (action == "F3")
                quiz.engine.helpKeyPressed(3);
            else if (action == "give up")
                quiz.engine.giveUp();
            else if (action == "closes")
                quiz.fake.onWait = [] { return false; };
            else if (action == "unticks")
                quiz.fake.onWait = [&quiz] { return quiz.settings.anionMask = {}, true; };
            else
                quiz.answer(action);
        }
        QTEST(quiz.fake.noticesSeen, "notices");
        QVERIFY(!quiz.fake.inputsEnabledInAWait);
        QTEST(int(quiz.state().questionNumber), "questionNumber");
        QTEST(quiz.fake.score, "score");
        QTEST(quiz.fake.wrong, "wrong");
        QTEST(quiz.state().answerLog[1].outcome + quiz.state().answerLog[1].helpMark, "outcome");
        QTEST(quiz.fake.answer.shown, "answerBox");
        QTEST(quiz.fake.inputsEnabled, "inputsEnabled");
    }

    void nothingIsJudgedWithoutAQuestion() {
        Quiz quiz;
        quiz.answer("Na2O");
        quiz.engine.giveUp();
        quiz.engine.helpKeyPressed(3);
        QVERIFY(quiz.fake.noticesSeen.isEmpty());
        QCOMPARE(quiz.state().correctCount + quiz.state().wrongCount, 0);
        QVERIFY(quiz.state().answerLog[0].helpMark.isEmpty());
    }

    void helpKeysShowTheirTopicWithTheQuestionsHelp() {
        Quiz quiz;
        quiz.engine.activate(); // sodium oxide
        for (int key = 1; key <= 3; ++key)
            quiz.engine.helpKeyPressed(key);
        QCOMPARE(quiz.state().answerLog[1].helpMark, "F3");
        quiz.settings.covalentMask = CovalentKind::Simple;
        for (int key = 2; key <= 3; ++key)
            quiz.engine.helpKeyPressed(key);
        QCOMPARE(quiz.fake.help.topics,
                 QList({HelpTopic::Cations, HelpTopic::Anions, HelpTopic::ThisQuestion,
                        HelpTopic::ComplexCompounds}));
        QVERIFY(quiz.fake.help.questionHelp.startsWith("The positive ion is sodium, Na."));
    }

    void seriesEndOffersToPrint_data() {
        QTest::addColumn<MessageAnswer>("reply");
        QTest::addRow("yes prints the finished series") << MessageAnswer::Yes;
        QTest::addRow("no goes straight on") << MessageAnswer::No;
    }
    void seriesEndOffersToPrint() {
        QFETCH(MessageAnswer, reply);
        Quiz quiz;
        quiz.fake.messages.answers = {reply};
        quiz.engine.activate();
        for (int question = 1; question <= 20; ++question) {
            QCOMPARE(quiz.fake.messages.shown.size(), 0);
            question % 2 ? quiz.answer("Na2O") : quiz.engine.giveUp();
        }
        QCOMPARE(
            quiz.fake.messages.shown.first(),
            (Message{"You've completed 20 questions.\r\nDo you want to print out your results?",
                     "Print a copy?", MessageIcon::Question, MessageButtons::YesNo}));
        QCOMPARE(quiz.fake.printed.contains("20.  sodium oxide"), reply == MessageAnswer::Yes);
        // A new series with an empty log; the labels keep the old counts until changed.
        const AnswerLog &log = quiz.state().answerLog;
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(log[1].outcome + log[2].shown, QString());
        QCOMPARE(quiz.fake.score + '/' + quiz.fake.wrong, "10 correct/10 wrong");
        quiz.answer("Na2O");
        QCOMPARE(quiz.fake.score + '/' + quiz.fake.wrong, "1 correct/10 wrong");
        QCOMPARE(log[1].outcome, "Y");
    }

    void refusalPosesNothingUntilSettingsChange_data() {
        QTest::addColumn<QuizSettings>("refused");
        QTest::addColumn<QString>("reason");
        QTest::addRow("no anion box ticked") << settingsNamed("single", "") << "green options";
        QTest::addRow("covalent draws exhausted")
            << settingsNamed("single", "simple", "simple") << "in 1000 draws";
    }
    void refusalPosesNothingUntilSettingsChange() {
        QFETCH(QuizSettings, refused);
        QFETCH(QString, reason);
        Quiz quiz;
        quiz.settings = refused;
        quiz.engine.activate();
        quiz.engine.activate(); // as when the message box closes
        quiz.answer("Na2O");
        QCOMPARE(quiz.fake.messages.shown.size(), 1);
        QVERIFY(quiz.fake.messages.shown.first().text.contains(reason));
        QCOMPARE(quiz.fake.messages.shown.first().title, "No question possible");
        QCOMPARE(quiz.state().questionNumber + quiz.state().correctCount, 0);
        QVERIFY(!quiz.fake.inputsEnabled);
        quiz.settings = Ionic;
        quiz.engine.activate();
        QCOMPARE(quiz.fake.question.shown, "sodium oxide");
        QVERIFY(quiz.fake.inputsEnabled);
    }
};

QTEST_GUILESS_MAIN(QuizEngineTest)
#include "tst_quizengine.moc"
