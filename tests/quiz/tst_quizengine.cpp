#include "catalogue/iontableinfo.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/questionavailability.h"
#include "quiz/questiondraw.h"
#include "quiz/quizengine.h"
#include "quiz/resultsfile.h"
#include "tests/support/core/namedsettings.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/core/table.h"
#include "tests/support/fakes.h"

#include <QTest>

namespace {

// "7/30 0.2": the value that draws row 7 of 30, then 0.2.
QList<float> valuesFrom(const QString &values) {
    QList<float> drawn;
    for (const QString &value : values.split(u' ', Qt::SkipEmptyParts))
        drawn << (value.contains(u'/')
                      ? rowValue(value.section(u'/', 0, 0).toInt(), value.section(u'/', 1).toInt())
                      : value.toFloat());
    return drawn;
}

void emptyTables(IonCatalogue &catalogue, const QString &names) {
    for (const IonTableInfo &info : IonTables) {
        if (names.split(u' ').contains(info.name))
            catalogue.table(info.table).clear();
    }
}

// Elements oxygen and carbon, the anion oxide, the complex compounds dry ice (CO2) and water,
// the cations sodium and aluminium. Random values of 0 draw sodium oxide, and oxygen oxide.
const QByteArray SmallCourse =
    "[Covalent-simple]\r\noxygen,O,2\r\ncarbon,C,4\r\n[Anions-simple]\r\noxide,O,2\r\n"
    "[Covalent-complex]\r\ndry ice,CO2\r\nwater,H2O\r\n"
    "[Cations-monovalent]\r\nsodium,Na,1\r\naluminium,Al,3";

struct Quiz {
    FakePorts fake;
    IonCatalogue catalogue = catalogueFrom(SmallCourse);
    QuizSettings settings = settingsNamed("single", "simple");
    QuizEngine engine{fake.services(catalogue, settings), fake, fake};

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
    void ionicDrawTakesTheRowsDrawn_data() { addTableRows("draws.tsv"); }
    void ionicDrawTakesTheRowsDrawn() {
        QFETCH(TableRow, row);
        QFile data(QStringLiteral(IONARCH_TEST_TABLES "/draws.dat"));
        QVERIFY(data.open(QIODevice::ReadOnly));
        const IonCatalogue catalogue = catalogueFrom(data.readAll());
        ScriptedRandom random;
        random.values = valuesFrom(row["random values"]);
        const Question drawn =
            QuestionDraw(catalogue, settingsNamed(row["cations"], row["anions"]), random)
                .drawQuestion()
                ->question;
        QCOMPARE(drawn.cationName, row["cation"]);
        QCOMPARE(drawn.cationCharge, row["charge"]);
        QCOMPARE(drawn.multivalent, row["multivalent"] == "yes");
        QCOMPARE(drawn.anionName, row["anion"]);
        QVERIFY(random.usedExactly());
    }

    void covalentDrawRepeatsUntilFormulasDiffer_data() { addTableRows("covalentdraws.tsv"); }
    void covalentDrawRepeatsUntilFormulasDiffer() {
        QFETCH(TableRow, row);
        IonCatalogue catalogue = catalogueFrom(SmallCourse);
        emptyTables(catalogue, row["emptied"]);
        ScriptedRandom random;
        random.values = valuesFrom(row["random values"]);
        const auto drawn =
            QuestionDraw(catalogue, settingsNamed("single", "simple", row["covalent"]), random)
                .drawQuestion();
        QCOMPARE(drawn->question.compoundName, row["name"]);
        QVERIFY(!drawn->specificHelp && random.usedExactly());
    }

    void settingsWithoutQuestionsAreExplained_data() { addTableRows("noquestion.tsv"); }
    void settingsWithoutQuestionsAreExplained() {
        QFETCH(TableRow, row);
        IonCatalogue catalogue =
            row["data"].isEmpty() ? loadSampleCatalogue() : catalogueFrom(cellBytes(row["data"]));
        emptyTables(catalogue, row["emptied tables"]);
        const QString why =
            whyNoQuestion(catalogue, settingsNamed(row["cations"], row["anions"], row["covalent"]));
        QVERIFY2(why.contains(row["reason"]), qPrintable(why));
    }

    void questionIsShownInItsDirection_data() { addTableRows("directions.tsv"); }
    void questionIsShownInItsDirection() {
        QFETCH(TableRow, row);
        Quiz quiz;
        quiz.settings = settingsNamed("single", "simple", "", row["questions"]);
        quiz.fake.random.values =
            QList<float>{0.9f, 0.1f} + valuesFrom(row["direction drawn"]); // aluminium oxide
        quiz.engine.activate();
        quiz.engine.activate(); // a question stands: nothing more is drawn
        QVERIFY(quiz.fake.random.usedExactly() && quiz.fake.random.reseeds == 1);
        QCOMPARE(quiz.fake.prompt, row["prompt"]);
        QCOMPARE(quiz.fake.question.shown, row["shown"]);
        QCOMPARE(quiz.state().answerLog[1].shown, quiz.fake.question.plainText());
    }

    void aChooserPicksTheQuestionPosed() {
        // Asks the draw's second question in place of its first.
        struct SecondDraw final : QuestionChooser {
            std::optional<DrawnQuestion> nextQuestion(QuestionDraw &draw) override {
                draw.drawQuestion();
                return draw.drawQuestion();
            }
        } chooser;
        FakePorts fake;
        const IonCatalogue catalogue = catalogueFrom(SmallCourse);
        const QuizSettings settings = settingsNamed("single", "simple");
        QuizServices services = fake.services(catalogue, settings);
        services.chooser = &chooser;
        QuizEngine engine(services, fake, fake);
        engine.start();
        fake.random.values = {0.1f, 0.1f, 0.9f, 0.1f}; // sodium oxide, then aluminium oxide
        engine.activate();
        QCOMPARE(fake.question.shown, "aluminium oxide");
    }

    void outcomeIsShownAndCounted_data() { addTableRows("outcomes.tsv"); }
    void outcomeIsShownAndCounted() {
        QFETCH(TableRow, row);
        Quiz quiz;
        quiz.engine.activate();
        for (const QString &action : row["actions"].split(u';')) {
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
        const QMap<QString, QString> notices{
            {"wrong",
             "click: Incorrect answer, try again.\r\n(Check spelling.)\r\n     > CLICK HERE <"},
            {"case",
             "click: Incorrect answer, try again.\r\nWrite Na, not na: a symbol is one capital "
             "letter, then small ones.\r\n     > CLICK HERE <"},
            {"form",
             "click: Incorrect answer, try again.\r\nA formula starts with a symbol, and a symbol "
             "with a capital letter.\r\n     > CLICK HERE <"},
            {"right", "1300 ms: CORRECT!\r\nsodium oxide = Na2O"},
            {"revealed",
             "click: The correct answer is:\r\nsodium oxide = Na2O\r\n     > CLICK HERE <"}};
        QStringList expected;
        for (const QString &name : row["notices"].split(u' '))
            expected << notices[name];
        QCOMPARE(quiz.fake.noticesSeen, expected);
        QVERIFY(!quiz.fake.inputsEnabledInAWait);
        QCOMPARE(QString::number(quiz.state().questionNumber), row["question number"]);
        QCOMPARE(quiz.fake.score, row["score"]);
        QCOMPARE(quiz.fake.wrong, row["wrong"]);
        QCOMPARE(quiz.state().answerLog[1].outcome + quiz.state().answerLog[1].helpMark,
                 row["outcome"]);
        QCOMPARE(quiz.fake.answer.shown, row["answer box"]);
        QCOMPARE(quiz.fake.inputsEnabled, row["inputs enabled"] == "yes");
        QStringList mistakes;
        for (auto mistake = quiz.state().mistakes.cbegin(); mistake != quiz.state().mistakes.cend();
             ++mistake)
            mistakes << QuizRules::categoryCode(mistake.key()) + u' ' +
                            QString::number(mistake.value());
        QCOMPARE(mistakes.join(", "), row["mistakes"]);
        QStringList tries;
        for (const Attempt &attempt : quiz.fake.attempts)
            tries << QStringList{ResultsFile::verdictCode(attempt.verdict), attempt.category,
                                 attempt.helpUsed ? "F3" : ""}
                         .join(' ')
                         .simplified();
        QCOMPARE(tries.join("; "), row["tries"]);
    }

    void aSpellingVariantIsRightAndShowsTheCoursesSpelling() {
        Quiz quiz;
        quiz.catalogue =
            catalogueFrom("[Cations-monovalent]\r\nsodium,Na,1\r\n[Anions-simple]\r\nsulfide,S,2");
        quiz.settings.questionKind = QuestionKind::FormulasToNames;
        quiz.engine.activate();
        quiz.answer("Sodium Sulphide");
        QCOMPARE(quiz.fake.noticesSeen, QStringList("1300 ms: CORRECT!\r\nsodium sulfide = Na2S\r\n"
                                                    "Right; the course spells it sodium sulfide."));
        QVERIFY(quiz.state().mistakes.isEmpty() && quiz.fake.score == "1 correct");
        Attempt recorded = quiz.fake.attempts.value(0);
        QVERIFY(recorded.time.timeSpec() == Qt::UTC &&
                qAbs(recorded.time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        recorded.time = {};
        QCOMPARE(ResultsFile::line({"", "", recorded}),
                 "\t\t1\t1\tionic\tname\tNa2S\tsodium sulfide\tSodium Sulphide\tvariant\t\tno\t"
                 "sodium\tsulfide\t\n");
    }

    void seriesEndOffersToPrint() {
        for (const MessageAnswer reply : {MessageAnswer::Yes, MessageAnswer::No}) {
            Quiz quiz;
            quiz.fake.messages.answers = {reply};
            quiz.engine.activate();
            quiz.answer("na2o"); // a mistake the report counts
            for (int question = 1; question <= 20; ++question) {
                QVERIFY(quiz.fake.messages.shown.isEmpty());
                question % 2 ? quiz.answer("Na2O") : quiz.engine.giveUp();
            }
            QCOMPARE(
                quiz.fake.messages.shown.value(0),
                (Message{"You've completed 20 questions.\r\nDo you want to print out your results?",
                         "Print a copy?", MessageIcon::Question, MessageButtons::YesNo}));
            QCOMPARE(quiz.fake.printed.mid(quiz.fake.printed.indexOf("20.  sodium oxide") + 1),
                     reply == MessageAnswer::Yes
                         ? QStringList({"", QString(50, u'*'), "", "Mistakes along the way:",
                                        "  capitals of symbols wrong: 1", "end"})
                         : QStringList());
            // A new series with an empty log; the labels keep the old counts until changed.
            QCOMPARE(quiz.state().questionNumber, 1);
            QVERIFY(quiz.state().answerLog[1].outcome.isEmpty() && quiz.state().mistakes.isEmpty());
            quiz.answer("Na2O");
            QCOMPARE(quiz.fake.score + '/' + quiz.fake.wrong, "1 correct/10 wrong");
            // 22 tries: the mistake, 20 answers, and the first of the second series.
            QCOMPARE(quiz.fake.finishedSeries, QList{1});
            QCOMPARE(quiz.fake.attempts.size(), 22);
            const Attempt &last = quiz.fake.attempts.last(), &before = quiz.fake.attempts[20];
            QCOMPARE(QList({before.series, before.question, last.series, last.question}),
                     QList({1, 20, 2, 1}));
        }
    }

    void refusalPosesNothingUntilSettingsChange() {
        for (const auto &[refused, reason] :
             {std::pair{settingsNamed("single", ""), "green options"},
              {settingsNamed("single", "simple", "simple"), "in 1000 draws"}}) {
            Quiz quiz;
            quiz.settings = refused;
            quiz.engine.activate();
            quiz.engine.activate(); // as when the message box closes
            quiz.answer("Na2O");
            QCOMPARE(quiz.fake.messages.shown.size(), 1);
            QVERIFY(quiz.fake.messages.shown.first().text.contains(reason));
            QCOMPARE(quiz.fake.messages.shown.first().title, "No question possible");
            QVERIFY(quiz.state().questionNumber == 0 && !quiz.fake.inputsEnabled);
            quiz.settings = settingsNamed("single", "simple");
            quiz.engine.activate();
            QCOMPARE(quiz.fake.question.shown, "sodium oxide");
            QVERIFY(quiz.fake.inputsEnabled);
        }
    }
};

QTEST_GUILESS_MAIN(QuizEngineTest)
#include "tst_quizengine.moc"
