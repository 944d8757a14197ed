#include "pdftext.h"
#include "privatecupsserver.h"
#include "resultsreport.h"
#include "systemreportprinter.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Debian's cups-pdf writes to ~/PDF of the job's user (Out in /etc/cups/cups-pdf.conf), taken
// from the password database rather than from HOME.
QDir cupsPdfFolder() {
    const passwd *user = getpwuid(geteuid());
    return QDir((user ? QFile::decodeName(user->pw_dir) : QDir::homePath()) + "/PDF");
}

// Each PDF file there, with the time it was last written.
QMap<QString, QDateTime> pdfFiles() {
    QMap<QString, QDateTime> files;
    for (const QFileInfo &file : cupsPdfFolder().entryInfoList({"*.pdf"}, QDir::Files))
        files.insert(file.absoluteFilePath(), file.lastModified());
    return files;
}

} // namespace

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
        const bool folderExisted = cupsPdfFolder().exists();
        const QMap<QString, QDateTime> before = pdfFiles();
        QStringList printed; // files added or rewritten: removed again, with a folder made
        const auto cleanUp = qScopeGuard([&] {
            for (const QString &file : std::as_const(printed))
                QFile::remove(file);
            if (!folderExisted)
                QDir().rmdir(cupsPdfFolder().path());
        });
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
        const QMap<QString, QDateTime> after = pdfFiles();
        for (auto file = after.cbegin(); file != after.cend(); ++file) {
            if (before.value(file.key()) != file.value())
                printed << file.key();
        }
        QCOMPARE(printed.size(), 1);
        // The text is compared without its spacing, in case a printer's page wraps a rule.
        QCOMPARE(wordsOf(pdfText(printed.first())).join(QString()),
                 wordsOf((opening + body).join(u' ')).join(QString()));
    }
};

QTEST_MAIN(PrintingThroughCupsTest)
#include "tst_cups.moc"
