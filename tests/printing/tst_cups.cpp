#include "cupspdfoutput.h"
#include "pdftext.h"
#include "privatecupsserver.h"
#include "resultsreport.h"
#include "systemreportprinter.h"

#include <QTest>

#include <unistd.h>

using namespace std::chrono_literals;

class PrintingThroughCupsTest : public QObject {
    Q_OBJECT

    PrivateCupsServer m_server;

private slots:
    void initTestCase() {
        if (geteuid() != 0)
            QSKIP("The cups-pdf back end prints only for a CUPS scheduler run by root.");
        const QString started = m_server.start();
        QVERIFY2(started.isEmpty(), qPrintable(started));
        const QString queued = m_server.addDefaultPdfQueue();
        QVERIFY2(queued.isEmpty(), qPrintable(queued));
    }

    void reportReachesTheDefaultPrinterWithEveryLineInOrder() {
        AnswerLog log;
        log[1] = {"", "NaCl", "Y"};
        log[2] = {"F3", "iron(III) sulfate", "Y"};
        log[3] = {"", "CuO", "N"};
        const auto [opening, body] = QuizRules::resultsReport("Maria Lopez", "06/12/2026", log);
        const CupsPdfOutput output;
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
        const QStringList printed = output.printed();
        QCOMPARE(printed.size(), 1);
        // The text is compared without its spacing, in case a printer's page wraps a rule.
        QCOMPARE(wordsOf(pdfText(printed.first())).join(QString()),
                 wordsOf((opening + body).join(u' ')).join(QString()));
    }
};

QTEST_MAIN(PrintingThroughCupsTest)
#include "tst_cups.moc"
