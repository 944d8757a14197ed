#include "ionarchapplication.h"
#include "privatecupsserver.h"
#include "quizplayer.h"
#include "quizstate.h"
#include "recordingsink.h"

#include <QTemporaryDir>
#include <QTest>

class PrintingWithoutCupsProgramTest : public QObject {
    Q_OBJECT
private slots:
    void aSeriesPrintedWithoutAPrinterEndsWithOneFailureMessageAndTheQuizGoesOn() {
        RecordingSink messages; // Yes to the print offer
        NamePrompt prompt(QStringLiteral("Ana Torres"));
        IonarchApplication program(messages, prompt);
        QVERIFY(program.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
        QuizPlayer student;
        QVERIFY(student.start());
        student.play(QStringLiteral("RGWGGGGGGGGGGGGGGGGH"));

        QCOMPARE(prompt.prompts, QStringList{"Please enter your name"});
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Print a copy?"));
        const Message failure{"There was a problem printing to your printer.", "",
                              MessageIcon::None, MessageButtons::Ok};
        QCOMPARE(messages.shown[1], failure);
        QCOMPARE(student.state().questionNumber, 1);
        QCOMPARE(student.questionText(), student.state().answerLog[1].shown);
    }
};

int main(int argc, char *argv[]) {
    // The CUPS client library settles on its server once per process; none listens at this
    // socket.
    const QTemporaryDir folder;
    useCupsServer(folder.filePath(QStringLiteral("no-scheduler.sock")), folder.path());
    QApplication application(argc, argv);
    PrintingWithoutCupsProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nocupsprogram.moc"
