#include "privatecupsserver.h"
#include "systemreportprinter.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class PrintingWithoutCupsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    void everyOperationFailsPromptlyWithoutAScheduler() {
        useCupsServer(m_folder.filePath(QStringLiteral("no-scheduler.sock")), m_folder.path());
        QElapsedTimer clock;
        clock.start();
        SystemReportPrinter report;
        QVERIFY(!report.setFontName(QStringLiteral("Lucida Console")));
        QVERIFY(!report.setFontSize(20));
        QVERIFY(!report.printLine(QStringLiteral("Maria Lopez06/12/2026")));
        QVERIFY(!report.endDocument());
        QVERIFY(clock.elapsed() < 10'000);
    }
};

QTEST_MAIN(PrintingWithoutCupsTest)
#include "tst_nocups.moc"
