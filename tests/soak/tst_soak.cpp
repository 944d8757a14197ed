#include "fakes.h"
#include "frmmain.h"
#include "inputblockingpause.h"
#include "ionarchapplication.h"
#include "samplecatalogue.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

// A seeded student plays a thousand questions through the program's windows with keys, clicks
// and option changes, while the quiz's invariants are checked after every step. The actions
// follow from IONARCH_SOAK_SEED alone; the questions are the program's own draws.
namespace {

constexpr int Questions = 1000;

// The program's own pause, a hundred times shorter: input is still dropped meanwhile.
struct ShortPause final : Pause {
    InputBlockingPause blocking;
    void pause(int milliseconds) override { blocking.pause(milliseconds / 100); }
};

const QStringList Options = {"optCat0", "optCat1", "optCat2", "optQT0", "optQT1",
                             "optQT2",  "chkAn1",  "chkAn2",  "chkAn4", "chkAn8",
                             "chkAn16", "chkCov1", "chkCov2"};

bool checked(const QString &option) {
    return control<QAbstractButton>("frmOpt", option)->isChecked();
}

bool listedIn(const IonCatalogue &catalogue,
              std::initializer_list<std::pair<IonTable, bool>> tables, const QString &name,
              const QString &formula) {
    for (const auto &[table, chosen] : tables) {
        for (int row = 1; chosen && row <= catalogue.table(table).count(); ++row) {
            const IonEntry &entry = catalogue.table(table).entry(row);
            if (entry.Name == name && entry.Formula == formula)
                return true;
        }
    }
    return false;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void aThousandQuestionsKeepTheQuizInvariants() {
        QRandomGenerator seeded(quint32(qEnvironmentVariableIntValue("IONARCH_SOAK_SEED")));
        RecordingSink sink; // Yes to every print offer: no printer, so a failure box
        NamePrompt prompt;
        ShortPause pause;
        IonarchApplication program(sink, prompt, &pause);
        QVERIFY(program.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
        QTest::mouseClick(control<QAbstractButton>("frmOpt", "cmdGo"), Qt::LeftButton);
        auto *window = qobject_cast<frmMain *>(topLevelWindow("frmMain"));
        QVERIFY(window && waitUntilActive(window));
        // Clicks every notice that waits, closes every help window that opens.
        QTimer attendant;
        connect(&attendant, &QTimer::timeout, [] {
            if (QWidget *help = topLevelWindow("frmHelp"); help && help->isVisible())
                return QTest::keyClick(help, Qt::Key_Escape);
            if (auto *notice = control<QLabel>("frmMain", "lblResults");
                notice->isEnabled() && notice->text().endsWith("> CLICK HERE <"))
                QTest::mouseClick(notice, Qt::LeftButton);
        });
        attendant.start(5);

        const IonCatalogue catalogue = loadSampleCatalogue();
        const QuizState &state = window->quiz().state();
        int posed = 0;
        for (QString shown; posed < Questions;) {
            const int action = seeded.bounded(100);

            if (action < 50) { // the right answer, or one character short
                const Question &question = state.question;
                const QString answer = question.askName ? question.compoundName : question.formula;
                typeKeys(action < 40 ? answer : answer.chopped(1));
                action % 2 ? pressKey(Qt::Key_Return)
                           : QTest::mouseClick(control<QAbstractButton>("frmMain", "cmdChkAns"),
                                               Qt::LeftButton);
                control<QTextEdit>("frmMain", "rtfAnswer")->clear();
            } else if (action < 65) {
                QTest::mouseClick(control<QAbstractButton>("frmMain", "cmdGiveUp"), Qt::LeftButton);
            } else if (action < 80) {
                pressKey(Qt::Key(Qt::Key_F1 + seeded.bounded(3)));
            } else {
                // Over to the options window and back, as a student with a mouse goes.
                topLevelWindow("frmOpt")->activateWindow();
                QVERIFY(waitUntilActive(topLevelWindow("frmOpt")));
                QTest::mouseClick(
                    control<QAbstractButton>("frmOpt", Options[seeded.bounded(Options.size())]),
                    Qt::LeftButton);
                window->activateWindow();
            }
            // As after a help window, the question window has the keyboard again a moment later.
            QVERIFY(waitUntilActive(window));

            // Inputs are enabled exactly while a question stands, and the keyboard is in the
            // answer box then.
            const QString now = control<QTextEdit>("frmMain", "rtfQuestion")->toPlainText();
            for (const char *input : {"rtfAnswer", "cmdChkAns", "cmdGiveUp"})
                QCOMPARE(control("frmMain", input)->isEnabled(), !now.isEmpty());
            if (!now.isEmpty())
                QCOMPARE(focusedControl(), "rtfAnswer");
            // The score labels show the counts once the series has any.
            if (state.correctCount > 0)
                QCOMPARE(control<QLabel>("frmMain", "lblScore")->text(),
                         QString::number(state.correctCount) + " correct");
            if (state.wrongCount > 0)
                QCOMPARE(control<QLabel>("frmMain", "lblWrong")->text(),
                         QString::number(state.wrongCount) + " wrong");
            QVERIFY(state.questionNumber <= 20);
            // A new question comes from the tables the options choose at this moment.
            if (now.isEmpty() || now == std::exchange(shown, now))
                continue;
            ++posed;
            const Question &question = state.question;
            const bool simple = checked("chkCov1"), complex = checked("chkCov2");
            if (!simple && !complex) {
                QVERIFY(listedIn(catalogue,
                                 {{IonTable::CationsMonovalent, !checked("optCat1")},
                                  {IonTable::CationsMultivalent, !checked("optCat0")}},
                                 question.cationName, question.cationSymbol));
                QVERIFY(listedIn(catalogue,
                                 {{IonTable::AnionsSimple, checked("chkAn1")},
                                  {IonTable::AnionsPolyatomic, checked("chkAn2")},
                                  {IonTable::AnionsDerivative, checked("chkAn4")},
                                  {IonTable::AnionsHydrogen, checked("chkAn8")},
                                  {IonTable::AnionsOther, checked("chkAn16")}},
                                 question.anionName, question.anionFormula));
            } else {
                QVERIFY2(listedIn(catalogue, {{IonTable::CovalentComplex, complex}},
                                  question.compoundName, question.formula) ||
                             (simple && listedIn(catalogue, {{IonTable::CovalentSimple, true}},
                                                 question.cationName, question.cationSymbol)),
                         qPrintable(question.compoundName));
            }
        }
        QVERIFY(sink.shown.size() >= Questions / 20 - 1); // the series ended, print offers and all
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
