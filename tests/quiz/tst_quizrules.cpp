#include "answercheck.h"
#include "composition.h"
#include "fakeports.h"
#include "resultsreport.h"

#include <QTest>

namespace {

// "iron Fe 3* sulfate SO4 2": cation, symbol, charge (* when drawn from several), anion,
// formula, anion charge. For covalent compounds the third field is the element's count.
Question question(const QString &parts) {
    const QStringList part = parts.split(u' ');
    Question question;
    question.takeCation({part[0], part[1], {}}, QString(part[2]).remove(u'*'));
    question.multivalent = part[2].endsWith(u'*');
    question.takeAnion({part[3], part[4], part[5]});
    return question;
}

// outcomes: one character per question from 1, "Y" or "N"; shown is "Q" + number.
AnswerLog logOf(const QString &outcomes, QList<int> helpRows = {}) {
    AnswerLog log;
    for (int row = 1; row <= outcomes.size(); ++row) {
        log[row] = {helpRows.contains(row) ? "F3" : "", QStringLiteral("Q%1").arg(row),
                    outcomes.at(row - 1)};
    }
    return log;
}

const QString CorrectHeading =
    QStringLiteral("The  following  questions  were  answered  correctly:");
const QString GivenUpHeading = QStringLiteral("The  following  questions  were  incorrect:");

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void compoundIsNamedAndWritten_data() {
        QTest::addColumn<bool>("covalent");
        QTest::addColumn<Question>("question");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("formula");
        const auto row = [](bool covalent, const char *tag, const char *parts, const char *name,
                            const char *formula) {
            QTest::addRow("%s", tag)
                << covalent << question(parts) << QString(name) << QString(formula);
        };
        const auto ionic = [&](auto... texts) { row(false, texts...); };
        const auto covalent = [&](auto... texts) { row(true, texts...); };
        ionic("NaCl", "sodium Na 1 chloride Cl 1", "sodium chloride", "NaCl");
        ionic("Ca(OH)2", "calcium Ca 2 hydroxide OH 1", "calcium hydroxide", "Ca(OH)2");
        ionic("Al2O3", "aluminium Al 3 oxide O 2", "aluminium oxide", "Al2O3");
        ionic("SnO2", "tin Sn 4* oxide O 2", "tin(IV) oxide", "SnO2");
        ionic("Fe2(SO4)3", "iron Fe 3* sulfate SO4 2", "iron(III) sulfate", "Fe2(SO4)3");
        ionic("(NH4)2SO4", "ammonium NH4 1 sulfate SO4 2", "ammonium sulfate", "(NH4)2SO4");
        ionic("equal charges cancel", "calcium Ca 2 carbonate CO3 2", "calcium carbonate", "CaCO3");
        ionic("Cu2O", "copper Cu 1* oxide O 2", "copper(I) oxide", "Cu2O");
        ionic("6 and 4 in lowest terms", "chromium Cr 6* silicate SiO4 4", "chromium(VI) silicate",
              "Cr2(SiO4)3");
        ionic("Hg2 once is bare", "mercury(I) Hg2 2 chloride Cl 1", "mercury(I) chloride",
              "Hg2Cl2");
        ionic("Hg2 in parentheses", "mercury(I) Hg2 2 phosphate PO4 3", "mercury(I) phosphate",
              "(Hg2)3(PO4)2");
        ionic("O2 in parentheses", "iron Fe 3* peroxide O2 2", "iron(III) peroxide", "Fe2(O2)3");
        covalent("H2O", "hydrogen H 1 oxide O 2", "dihydrogen monoxide", "H2O");
        covalent("P2O5", "phosphorus P 5 oxide O 2", "diphosphorus pentaoxide", "P2O5");
        covalent("PCl3", "phosphorus P 3 chloride Cl 1", "phosphorus trichloride", "PCl3");
        covalent("ICl keeps mono", "iodine I 1 chloride Cl 1", "iodine monochloride", "ICl");
        covalent("CO2 from count 4", "carbon C 4 oxide O 2", "carbon dioxide", "CO2");
        covalent("SO3 from count 6", "sulfur S 6 oxide O 2", "sulfur trioxide", "SO3");
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
        QVERIFY(QuizRules::ionicHelpText(question("sodium Na 1 chloride Cl 1"))
                    .contains("Na.\r\nIt always has a charge of 1\r\n"));
    }

    void answerIsJudged_data() {
        QTest::addColumn<QString>("expected"); // a formula when it has no space
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("correct");
        const auto row = [](const char *tag, const char *expected, const char *typed,
                            bool correct) {
            QTest::addRow("%s", tag) << QString(expected) << QString(typed) << correct;
        };
        row("name in capitals", "sodium chloride", "SODIUM CHLORIDE", true);
        row("name with spaces around", "sodium chloride", "  sodium chloride ", true);
        row("two spaces become one", "sodium chloride", "sodium  chloride", true);
        row("three spaces become two", "sodium chloride", "sodium   chloride", false);
        row("numeral in small letters", "iron(III) chloride", "iron(iii) chloride", true);
        row("space before the numeral", "iron(III) chloride", "iron (III) chloride", false);
        row("no space after the numeral", "iron(III) chloride", "iron(III)chloride", false);
        row("monooxide for monoxide", "carbon monoxide", "carbon monooxide", false);
        row("leading line break is kept", "sodium chloride", "\r\nsodium chloride", false);
        row("empty name", "sodium chloride", "", false);
        row("formula with spaces around", "NaCl", " NaCl  ", true);
        row("formula in small letters", "NaCl", "nacl", false);
        row("Co is not C and O", "CO2", "Co2", false);
        row("tab is kept", "NaCl", "NaCl\t", false);
    }
    void answerIsJudged() {
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QTEST(QuizRules::isCorrectAnswer(typed, expected, expected.contains(u' ')), "correct");
    }

    void shortSeriesPrintsNineteenLines() {
        const auto report = QuizRules::resultsReport("Jessica", "06/12/2024", logOf("YNY", {3}));
        const QString stars(28, u'*');
        QCOMPARE(report.opening, QStringList({"Jessica06/12/2024", "=======", ""}));
        QCOMPARE(report.body,
                 QStringList({stars, "** Ionarch  Quiz  Program **", stars, "", "", CorrectHeading,
                              QString(53, u'-'), "1.  Q1 ", "2.  Q3*help needed*", "", "",
                              GivenUpHeading, QString(43, u'-'), "3.  Q2", "", QString(50, u'*')}));
    }

    // The entries between each heading's rule and the empty line after them, joined by "|".
    void entriesAreNumberedCorrectFirst_data() {
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QList<int>>("helpRows");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("givenUp");
        QStringList numbered;
        for (int n = 1; n <= 20; ++n)
            numbered << QStringLiteral("%1.  Q%1").arg(n);
        QTest::addRow("all correct")
            << QString(20, u'Y') << QList<int>() << numbered.join(" |") + ' ' << QString();
        QTest::addRow("all given up")
            << QString(20, u'N') << QList<int>() << QString() << numbered.join(u'|');
        QTest::addRow("14 correct, then 6 given up")
            << "NYYYYYYNYYYYYYNNYYNN" << QList<int>()
            << "1.  Q2 |2.  Q3 |3.  Q4 |4.  Q5 |5.  Q6 |6.  Q7 |7.  Q9 |8.  Q10 |9.  Q11 |"
               "10.  Q12 |11.  Q13 |12.  Q14 |13.  Q17 |14.  Q18 "
            << "15.  Q1|16.  Q8|17.  Q15|18.  Q16|19.  Q19|20.  Q20";
        QTest::addRow("help marks only correct answers")
            << "YN" << QList<int>({1, 2}) << "1.  Q1*help needed*"
            << "2.  Q2";
    }
    void entriesAreNumberedCorrectFirst() {
        QFETCH(QString, outcomes);
        QFETCH(QList<int>, helpRows);
        const QStringList body =
            QuizRules::resultsReport("Jessica", "", logOf(outcomes, helpRows)).body;
        const auto entriesUnder = [&body](const QString &heading) {
            const QStringList entries = body.mid(body.indexOf(heading) + 2);
            return entries.mid(0, entries.indexOf(QString())).join(u'|');
        };
        QTEST(entriesUnder(CorrectHeading), "correct");
        QTEST(entriesUnder(GivenUpHeading), "givenUp");
    }

    void printingSendsTheReportThenConfirms() {
        FakePorts fake;
        fake.studentName.clear(); // a cancelled prompt still prints
        const AnswerLog log = logOf("YN");
        PrintResults(log, fake, fake, fake, fake);
        const auto report = QuizRules::resultsReport("", "06/12/2024", log);
        QCOMPARE(report.opening, QStringList({"06/12/2024", "", ""}));
        QCOMPARE(fake.trace, QStringList("Please enter your name/Enter name for printing"));
        QCOMPARE(fake.printed, QStringList("font Lucida Console") + report.opening +
                                   QStringList("size 20") + report.body + QStringList("end"));
        QCOMPARE(fake.messages,
                 QList<Message>({{"The data has been sent to the DEFAULT printer", "Ionarch",
                                  MessageIcon::Information, MessageButtons::Ok}}));
    }

    void printerFailureAbandonsTheReport_data() {
        QTest::addColumn<int>("failingCall");
        QTest::addRow("font name") << 0;
        QTest::addRow("font size") << 4;
        QTest::addRow("end of document") << 19;
    }
    void printerFailureAbandonsTheReport() {
        QFETCH(int, failingCall);
        FakePorts fake;
        fake.failingPrinterCall = failingCall;
        PrintResults(logOf("Y"), fake, fake, fake, fake);
        QCOMPARE(fake.printed.size(), failingCall);
        QCOMPARE(fake.messages, QList<Message>({{"There was a problem printing to your printer.",
                                                 "", MessageIcon::None, MessageButtons::Ok}}));
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "tst_quizrules.moc"
