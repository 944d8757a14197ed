#include "cupspdfoutput.h"
#include "ionarchapplication.h"
#include "pdftext.h"
#include "privatecupsserver.h"
#include "quizplayer.h"
#include "quizstate.h"
#include "recordingsink.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The report as the student must find it on paper, trailing spaces aside.
QStringList expectedReport(const QString &name, const QString &date,
                           const QList<PlayedQuestion> &played) {
    const QString stars(28, u'*');
    QStringList lines{name + date,
                      QString(name.size(), u'='),
                      QString(),
                      stars,
                      QStringLiteral("** Ionarch  Quiz  Program **"),
                      stars,
                      QString(),
                      QString(),
                      QStringLiteral("The  following  questions  were  answered  correctly:"),
                      QString(53, u'-')};
    int number = 0;
    for (const PlayedQuestion &question : played) {
        if (question.correct)
            lines << QString::number(++number) + ".  " + question.shown +
                         (question.helped ? "*help needed*" : "");
    }
    lines << QString() << QString() << QStringLiteral("The  following  questions  were  incorrect:")
          << QString(43, u'-');
    for (const PlayedQuestion &question : played) {
        if (!question.correct)
            lines << QString::number(++number) + ".  " + question.shown;
    }
    return lines << QString() << QString(50, u'*');
}

// The report's 20-point fixed-pitch font: 0.6 em to a character, as in the usual monospaced
// families.
constexpr qreal BodyCharacterWidth = 12;

// pdftotext marks the gap between two rows with empty lines by its height, not by the rows
// left empty, so reports compare with one empty line for each gap.
QStringList withGapsAsOneEmptyLine(const QStringList &lines) {
    QStringList kept;
    for (const QString &line : lines) {
        if (!line.isEmpty() || (!kept.isEmpty() && !kept.last().isEmpty()))
            kept << line;
    }
    while (!kept.isEmpty() && kept.last().isEmpty())
        kept.removeLast();
    return kept;
}

constexpr QStringView PageBreak = u"\f";

// The lines of the printed report in its columns, without the margin and trailing spaces;
// each page break stands on a line of its own.
QStringList printedLines(const QString &pdfPath) {
    QStringList lines;
    for (QString line : pdfText(pdfPath, BodyCharacterWidth).split(u'\n')) {
        // pdftotext starts each further page with a form feed.
        for (; line.startsWith(PageBreak); line.remove(0, 1))
            lines << PageBreak.toString();
        while (line.endsWith(u' '))
            line.chop(1);
        lines << line;
    }
    const QString first = lines.value(0);
    const qsizetype margin = first.size() - first.trimmed().size();
    for (QString &line : lines) {
        if (line != PageBreak)
            line.remove(0, margin);
    }
    return lines;
}

// Empty lines never start a page, so a gap that falls on a page break is not printed: the
// expected report loses the gaps after as many rows as stood before each break.
QStringList withoutGapsAtPageBreaks(const QStringList &expected, const QStringList &printed) {
    QList<int> breaksAfterRows;
    int rows = 0;
    for (const QString &line : printed) {
        if (line == PageBreak)
            breaksAfterRows << rows;
        else if (!line.isEmpty())
            ++rows;
    }
    QStringList kept;
    rows = 0;
    for (const QString &line : expected) {
        if (line.isEmpty() && breaksAfterRows.contains(rows))
            continue;
        kept << line;
        rows += line.isEmpty() ? 0 : 1;
    }
    return kept;
}

} // namespace

class PrintingEndToEndTest : public QObject {
    Q_OBJECT
public:
    PrintingEndToEndTest(PrivateCupsServer &server, const QString &serverProblem)
        : m_server(server)
        , m_serverProblem(serverProblem) {}

private slots:
    void initTestCase() {
        if (geteuid() != 0)
            QSKIP("The cups-pdf back end prints only for a CUPS scheduler run by root.");
        QVERIFY2(m_serverProblem.isEmpty(), qPrintable(m_serverProblem));
        const QString queued = m_server.addDefaultPdfQueue();
        QVERIFY2(queued.isEmpty(), qPrintable(queued));
    }

    void aSeriesPlayedThroughTheWindowsPrintsItsReportOnTheDefaultPrinter() {
        const CupsPdfOutput output;
        RecordingSink messages; // Yes to the print offer
        NamePrompt prompt(QStringLiteral("Ana Torres"));
        IonarchApplication program(messages, prompt);
        QVERIFY(program.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
        QuizPlayer student;
        QVERIFY(student.start());
        student.play(QStringLiteral("RHWGRRGHRFGRWGRHGRR"));
        // The 20th question ends the series: its outcome offers the print.
        const QString dateBefore =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        student.play(QStringLiteral("G"));
        const QString dateAfter =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);

        QCOMPARE(prompt.prompts, QStringList{"Please enter your name"});
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Print a copy?"));
        const Message confirmation{"The data has been sent to the DEFAULT printer", "Ionarch",
                                   MessageIcon::Information, MessageButtons::Ok};
        QCOMPARE(messages.shown[1], confirmation);
        QCOMPARE(student.state().questionNumber, 1);
        QCOMPARE(student.questionText(), student.state().answerLog[1].shown);
        QVERIFY(student.state().answerLog[20].shown.isEmpty());

        const QString done = m_server.waitUntilJobsDone(30s);
        QVERIFY2(done.isEmpty(), qPrintable(done));
        const QStringList printed = output.printed();
        QCOMPARE(printed.size(), 1);
        const QStringList pages = printedLines(printed.first());
        QStringList lines = pages;
        lines.removeAll(PageBreak.toString());
        lines = withGapsAsOneEmptyLine(lines);
        // A series that ends at midnight may carry either date.
        const QString date = lines.value(0) == prompt.name + dateBefore ? dateBefore : dateAfter;
        const QStringList expected = expectedReport(prompt.name, date, student.played);
        QCOMPARE(lines, withGapsAsOneEmptyLine(withoutGapsAtPageBreaks(expected, pages)));
    }

private:
    PrivateCupsServer &m_server;
    const QString m_serverProblem;
};

int main(int argc, char *argv[]) {
    // The CUPS client library settles on its server once per process: the private scheduler,
    // and CUPS_SERVER with it, come before the application.
    PrivateCupsServer server;
    const QString problem = geteuid() == 0 ? server.start() : QString();
    QApplication application(argc, argv);
    PrintingEndToEndTest test(server, problem);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_endtoend.moc"
