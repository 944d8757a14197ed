#include "quiz/feedback/answerfeedback.h"
#include "quiz/resultsreport.h"
#include "tests/support/fakes.h"
#include "ui/printing/systemreportprinter.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

// Where cups-pdf puts what the printing user prints.
QDir pdfFolder() {
    return QDir(QFile::decodeName(getpwuid(geteuid())->pw_dir) + "/PDF");
}

QStringList words(const QString &text) {
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void reportPrintsWholeOnTheDefaultPrinter() {
        if (geteuid() != 0)
            QSKIP("cups-pdf prints only for a scheduler run by root: run the tests as root");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), "PDF");
        const QStringList before = pdfFolder().entryList({"*.pdf"});
        // Twenty questions at 20 points: more than one page.
        QuizState series;
        series.mistakes = {{AnswerCategory::WrongAnion, 2}};
        AnswerLog &log = series.answerLog;
        for (int row = 1; row <= 20; ++row)
            log[row] = {row % 3 ? "" : "F3", QStringLiteral("iron(III) sulfate %1").arg(row),
                        row % 4 ? "Y" : "N"};
        FakePorts fake;
        SystemReportPrinter printer;
        PrintResults(series, fake.namePrompt, fake, printer, fake.messages);
        QCOMPARE(fake.messages.shown.value(0).text,
                 "The data has been sent to the DEFAULT printer");

        // The new PDF's text, once cups-pdf has written the whole file.
        QString pdf, text;
        const auto printed = [&] {
            QStringList now = pdfFolder().entryList({"*.pdf"});
            now.removeIf([&](const QString &file) { return before.contains(file); });
            if (now.isEmpty())
                return false;
            pdf = pdfFolder().filePath(now.first());
            QProcess pdftotext;
            pdftotext.start("pdftotext", {"-layout", pdf, "-"});
            pdftotext.waitForFinished();
            text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            return pdftotext.exitCode() == 0 && !text.trimmed().isEmpty();
        };
        QTRY_VERIFY_WITH_TIMEOUT(printed(), 60000);
        QFile::remove(pdf);
        const auto report =
            QuizRules::resultsReport(fake.namePrompt.name, fake.shortDate(), series);
        QCOMPARE(words(text), words((report.opening + report.body).join(' ')));
        QCOMPARE(text.count(u'\f'), 2); // each page ends in a form feed
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
