#include "cupspdfoutput.h"
#include "pdftext.h"
#include "privatecupsserver.h"
#include "systemreportprinter.h"

#include <QTest>

#include <unistd.h>

using namespace std::chrono_literals;

class PrintingThroughCupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void reportReachesTheDefaultPrinterWithEveryLineInOrder();

private:
    PrivateCupsServer m_server;
};

void PrintingThroughCupsTest::initTestCase() {
    if (geteuid() != 0)
        QSKIP("The cups-pdf back end prints only for a CUPS scheduler run by root.");
    const QString started = m_server.start();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QString queued = m_server.addDefaultPdfQueue();
    QVERIFY2(queued.isEmpty(), qPrintable(queued));
}

void PrintingThroughCupsTest::reportReachesTheDefaultPrinterWithEveryLineInOrder() {
    const QStringList opening{"Maria Lopez06/12/2026", "===========", ""};
    const QStringList body{QString(28, u'*'),
                           "** Ionarch  Quiz  Program **",
                           QString(28, u'*'),
                           "",
                           "",
                           "The  following  questions  were  answered  correctly:",
                           QString(53, u'-'),
                           "1.  NaCl ",
                           "2.  iron(III) sulfate*help needed*",
                           "",
                           "",
                           "The  following  questions  were  incorrect:",
                           QString(43, u'-'),
                           "3.  CuO",
                           "",
                           QString(50, u'*')};
    CupsPdfOutput output;
    SystemReportPrinter report;

    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    for (const QString &line : opening)
        QVERIFY(report.printLine(line));
    QVERIFY(report.setFontSize(20));
    for (const QString &line : body)
        QVERIFY(report.printLine(line));
    QVERIFY(report.endDocument());

    const QString done = m_server.waitUntilJobsDone(60s);
    QVERIFY2(done.isEmpty(), qPrintable(done));
    const QStringList printed = output.newFiles();
    QCOMPARE(printed.size(), 1);
    // The rules at 20 points are wider than the page and wrap, so the text is compared
    // without its spacing.
    QCOMPARE(wordsOf(pdfText(printed.first())).join(QString()),
             wordsOf((opening + body).join(u' ')).join(QString()));
}

QTEST_MAIN(PrintingThroughCupsTest)
#include "tst_cups.moc"
