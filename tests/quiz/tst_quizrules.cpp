#include "quiz/composition/composition.h"
#include "quiz/feedback/answercheck.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/resultsreport.h"
#include "tests/support/core/table.h"
#include "tests/support/fakes.h"

#include <QTest>

namespace {

// "iron Fe 3* sulfate SO4 2", as the composition table writes the ions of a question.
Question question(const QString &ions) {
    const QStringList part = ions.split(u' ');
    Question question;
    question.takeCation({part[0], part[1], {}}, QString(part[2]).remove(u'*'));
    question.multivalent = part[2].endsWith(u'*');
    question.takeAnion({part[3], part[4], part[5]});
    return question;
}

// One letter a question from 1, Y or N; each shows "Q" and its number.
QuizState logOf(const QString &outcomes, QList<int> helpRows = {}) {
    QuizState series;
    AnswerLog &log = series.answerLog;
    for (int row = 1; row <= outcomes.size(); ++row)
        log[row] = {helpRows.contains(row) ? "F3" : "", QStringLiteral("Q%1").arg(row),
                    outcomes.at(row - 1)};
    return series;
}

const QString CorrectHeading = "The  following  questions  were  answered  correctly:";
const QString GivenUpHeading = "The  following  questions  were  incorrect:";

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void compoundIsNamedAndWritten_data() {
        QTest::addColumn<bool>("covalent");
        QTest::addColumn<Question>("question");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("formula");
        for (const TableRow &row : tableRows("composition.tsv"))
            QTest::addRow("%s", qPrintable(row["case"]))
                << (row["kind"] == "covalent") << question(row["ions"]) << row["name"]
                << row["formula"];
    }
    void compoundIsNamedAndWritten() {
        QFETCH(bool, covalent);
        QFETCH(Question, question);
        if (covalent) {
            QuizRules::composeSimpleCovalent(question);
        } else {
            question.compoundName = QuizRules::ionicName(question);
            question.formula = QuizRules::ionicFormula(question);
        }
        QTEST(question.compoundName, "name");
        QTEST(question.formula, "formula");
    }

    void ionicHelpDescribesBothIons() {
        QCOMPARE(QuizRules::ionicHelpText(question("iron Fe 3* sulfate SO4 2")),
                 "The positive ion is iron, Fe.\r\nIt is multivalent with a charge of +3\r\n\r\n"
                 "The negative ion is sulfate.\r\nIts formula is SO4  and its charge is -2");
        QCOMPARE(
            QuizRules::ionicHelpText(question("sodium Na 1 chloride Cl 1")).section("\r\n", 1, 1),
            "It always has a charge of 1");
    }

    void answerIsJudged_data() {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("correct");
        for (const TableRow &row : tableRows("judging.tsv"))
            QTest::addRow("%s", qPrintable(row["case"]))
                << row["expected"] << cellText(row["typed"]) << (row["correct"] == "yes");
    }
    void answerIsJudged() {
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QTEST(QuizRules::isCorrectAnswer(typed, expected, expected.contains(u' ')), "correct");
    }

    void helpPagesSayTheirTexts() {
        const ListingTexts listings{"cations", "anions", "elements", "compounds"};
        QStringList shown;
        for (const HelpTopic topic :
             {HelpTopic::About, HelpTopic::Cations, HelpTopic::Anions, HelpTopic::ThisQuestion,
              HelpTopic::CovalentNaming, HelpTopic::ComplexCompounds}) {
            const HelpPage page = helpPage(topic, listings, "this question");
            shown << page.heading << page.prose.section("\r\n", 0, 0).left(14) << page.listing;
        }
        QCOMPARE(shown,
                 QStringList({"About Ionarch: version " IONARCH_VERSION, "Ionarch " IONARCH_VERSION,
                              "", "List of Cations used", "", "cations", "List of Anions used", "",
                              "anions", "Help for this specific question", "this question", "",
                              "Help for covalent naming", "There are many", "elements",
                              "List of all complex covalent compounds", "", "compounds"}));
        QCOMPARE(covalentIntroduction().section("\r\n", 0, 0),
                 "There are many exceptions and complications in naming covalent compounds.Simple "
                 "covalent compounds are named in the pattern \"nA mB\" , where n and m are Greek "
                 "words for numbers, and A and B are element names. B will always end in -ide.");
        QVERIFY(covalentIntroduction().endsWith("\r\n9 = nona\r\n10 = deca\r\n\r\n"));
    }

    void shortSeriesPrintsItsReportAndItsMistakes() {
        QuizState series = logOf("YNY", {2, 3}); // help marks only a question answered right
        const auto report = QuizRules::resultsReport("Jessica", "06/12/2024", series);
        const QString stars(28, u'*');
        QCOMPARE(report.opening, QStringList({"Jessica06/12/2024", "=======", ""}));
        QCOMPARE(report.body,
                 QStringList({stars, "** Ionarch  Quiz  Program **", stars, "", "", CorrectHeading,
                              QString(53, u'-'), "1.  Q1 ", "2.  Q3*help needed*", "", "",
                              GivenUpHeading, QString(43, u'-'), "3.  Q2", "", QString(50, u'*')}));
        series.mistakes = {{AnswerCategory::Unclassified, 2},
                           {AnswerCategory::Misspelt, 1},
                           {AnswerCategory::ChargesUnbalanced, 3}};
        QCOMPARE(QuizRules::resultsReport("", "", series).body.mid(report.body.size()),
                 QStringList({"", "Mistakes along the way:", "  charges not balanced: 3",
                              "  misspelt: 1", "  other mistakes: 2"}));
    }

    void printingSendsTheReportThenConfirmsOrAbandonsItAtAFailure() {
        const auto report = QuizRules::resultsReport("", "06/12/2024", logOf("YN"));
        QCOMPARE(report.opening, QStringList({"06/12/2024", "", ""})); // a cancelled prompt prints
        const QStringList printed = QStringList("font Lucida Console") + report.opening +
                                    QStringList("size 20") + report.body + QStringList("end");
        for (const int failingCall :
             {-1, 0, 4, 20}) { // none, font name, font size, end of document
            FakePorts fake;
            fake.namePrompt.name.clear();
            fake.failingPrinterCall = failingCall;
            PrintResults(logOf("YN"), fake.namePrompt, fake, fake, fake.messages);
            QCOMPARE(fake.printed, failingCall < 0 ? printed : printed.mid(0, failingCall));
            QCOMPARE(fake.messages.shown,
                     QList<Message>({failingCall < 0
                                         ? Message{"The data has been sent to the DEFAULT printer",
                                                   "Ionarch", MessageIcon::Information}
                                         : Message{"There was a problem printing to your printer.",
                                                   "", MessageIcon::None}}));
        }
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "tst_quizrules.moc"
