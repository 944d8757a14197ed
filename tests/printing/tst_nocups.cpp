#include "privatecupsserver.h"
#include "systemreportprinter.h"

#include <QTemporaryDir>
#include <QTest>

class PrintingWithoutCupsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    // A hang instead of a failure is caught by the test's time-out.
    void everyOperationFailsWithoutAScheduler() {
        useCupsServer(m_folder.filePath(QStringLiteral("no-scheduler.sock")), m_folder.path());
        SystemReportPrinter report;
        QVERIFY(!report.setFontName(QStringLiteral("Lucida Console")));
        QVERIFY(!report.setFontSize(20));
        QVERIFY(!report.printLine(QStringLiteral("Maria Lopez06/12/2026")));
        QVERIFY(!report.endDocument());
    }
};

QTEST_MAIN(PrintingWithoutCupsTest)
#include "tst_nocups.moc"
