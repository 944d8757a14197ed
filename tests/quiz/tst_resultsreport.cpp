#include "fakeports.h"
#include "resultsreport.h"

#include <QTest>

namespace {

// outcomes: one character per question 1 to 20, "Y", "N" or "-"; shown is "Q" + number.
AnswerLog logOf(const QString &outcomes, QList<int> helpRows = {}) {
    AnswerLog log;
    for (int row = 1; row <= outcomes.size(); ++row) {
        log[row].shown = QStringLiteral("Q%1").arg(row);
        if (outcomes.at(row - 1) != u'-')
            log[row].outcome = outcomes.at(row - 1);
        if (helpRows.contains(row))
            log[row].helpMark = QStringLiteral("F3");
    }
    return log;
}

// The lines between a heading's rule and the empty line that ends its list.
QStringList entriesUnder(const QStringList &body, const QString &heading) {
    QStringList entries = body.mid(body.indexOf(heading) + 2);
    return entries.mid(0, entries.indexOf(QString()));
}

const QString CorrectHeading =
    QStringLiteral("The  following  questions  were  answered  correctly:");
const QString GivenUpHeading = QStringLiteral("The  following  questions  were  incorrect:");

} // namespace

class ResultsReportTest : public QObject {
    Q_OBJECT

private slots:
    void shortSeriesPrintsNineteenLines() {
        const auto report = QuizRules::resultsReport("Jessica", "06/12/2024", logOf("YNY", {3}));
        const QString stars(28, u'*');
        QCOMPARE(report.opening, QStringList({"Jessica06/12/2024", "=======", ""}));
        QCOMPARE(report.body,
                 QStringList({stars, "** Ionarch  Quiz  Program **", stars, "", "", CorrectHeading,
                              QString(53, u'-'), "1.  Q1 ", "2.  Q3*help needed*", "", "",
                              GivenUpHeading, QString(43, u'-'), "3.  Q2", "", QString(50, u'*')}));
    }

    void entriesAreNumberedCorrectFirst_data() {
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QList<int>>("helpRows");
        QTest::addColumn<QStringList>("correct");
        QTest::addColumn<QStringList>("givenUp");
        QStringList numbered;
        for (int n = 1; n <= 20; ++n)
            numbered << QStringLiteral("%1.  Q%1").arg(n);
        QStringList numberedWithSpace = numbered;
        for (QString &line : numberedWithSpace)
            line += u' ';
        QTest::addRow("all correct")
            << QString(20, u'Y') << QList<int>() << numberedWithSpace << QStringList();
        QTest::addRow("all given up")
            << QString(20, u'N') << QList<int>() << QStringList() << numbered;
        QTest::addRow("14 correct and 6 given up")
            << "NYYYYYYNYYYYYYNNYYNN" << QList<int>()
            << QStringList({"1.  Q2 ", "2.  Q3 ", "3.  Q4 ", "4.  Q5 ", "5.  Q6 ", "6.  Q7 ",
                            "7.  Q9 ", "8.  Q10 ", "9.  Q11 ", "10.  Q12 ", "11.  Q13 ",
                            "12.  Q14 ", "13.  Q17 ", "14.  Q18 "})
            << QStringList({"15.  Q1", "16.  Q8", "17.  Q15", "18.  Q16", "19.  Q19", "20.  Q20"});
        QTest::addRow("help marks only correct answers")
            << "YN" << QList<int>({1, 2}) << QStringList({"1.  Q1*help needed*"})
            << QStringList({"2.  Q2"});
        QTest::addRow("unanswered questions are left out")
            << "Y-N" << QList<int>() << QStringList({"1.  Q1 "}) << QStringList({"2.  Q3"});
    }

    void entriesAreNumberedCorrectFirst() {
        QFETCH(QString, outcomes);
        QFETCH(QList<int>, helpRows);
        const auto report = QuizRules::resultsReport("Jessica", "", logOf(outcomes, helpRows));
        QTEST(entriesUnder(report.body, CorrectHeading), "correct");
        QTEST(entriesUnder(report.body, GivenUpHeading), "givenUp");
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
        QTest::addRow("first line") << 1;
        QTest::addRow("font size") << 4;
        QTest::addRow("a body line") << 10;
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

QTEST_GUILESS_MAIN(ResultsReportTest)
#include "tst_resultsreport.moc"
