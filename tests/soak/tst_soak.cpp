#include "tests/support/core/samplecatalogue.h"
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "ui/ionarchapplication.h"
#include "ui/system/inputblockingpause.h"

#include <QAbstractButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

// A seeded student plays a thousand questions through the program's windows with keys, clicks
// and option changes, while the quiz's invariants are checked after every step. The actions
// follow from IONARCH_SOAK_SEED alone; the questions are the program's own draws.
namespace {

const QStringList Options = {"optCat0", "optCat1", "optCat2", "optQT0", "optQT1",
                             "optQT2",  "chkAn1",  "chkAn2",  "chkAn4", "chkAn8",
                             "chkAn16", "chkCov1", "chkCov2"};

bool ticked(const QString &option) {
    return control<QAbstractButton>("frmOpt", option)->isChecked();
}

// Whether the entry stands in one of the tables whose box is ticked.
bool listed(const IonCatalogue &catalogue, const QList<std::pair<IonTable, bool>> &tables,
            const QString &name, const QString &formula) {
    return std::any_of(tables.begin(), tables.end(), [&](const auto &table) {
        const IonCategory &entries = catalogue.table(table.first);
        for (int row = 1; table.second && row <= entries.count(); ++row) {
            if (entries.entry(row).Name == name && entries.entry(row).Formula == formula)
                return true;
        }
        return false;
    });
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void aThousandQuestionsKeepTheQuizInvariants() {
        QRandomGenerator seeded(quint32(qEnvironmentVariableIntValue("IONARCH_SOAK_SEED")));
        RecordingSink sink; // Yes to every print offer: no printer, so a failure box
        NamePrompt prompt;
        struct : Pause { // the program's own, a hundred times shorter
            InputBlockingPause blocking;
            void pause(int milliseconds) override { blocking.pause(milliseconds / 100); }
        } pause;
        IonarchApplication program(sink, prompt, &pause);
        QVERIFY(program.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
        click("frmOpt", "cmdGo");
        QWidget *questions = topLevelWindow("frmMain");
        QTimer attendant; // clicks every notice that waits, closes every help window
        connect(&attendant, &QTimer::timeout, [] {
            if (QWidget *help = topLevelWindow("frmHelp"); help->isVisible())
                return QTest::keyClick(help, Qt::Key_Escape);
            if (shownText("frmMain", "lblResults").endsWith("> CLICK HERE <"))
                click("frmMain", "lblResults");
        });
        attendant.start(5);

        const IonCatalogue catalogue = loadSampleCatalogue();
        const auto printOffers = [&] {
            return std::count_if(sink.shown.begin(), sink.shown.end(),
                                 [](const Message &box) { return box.title == "Print a copy?"; });
        };
        for (QString shown; printOffers() < 50;) { // one every 20 questions
            QVERIFY(waitUntilActive(questions));
            if (const int action = seeded.bounded(100);
                action < 50) { // right, or one character short
                typeKeys(action < 40 ? expectedAnswer() : expectedAnswer().chopped(1));
                action % 2 ? pressKey(Qt::Key_Return) : click("frmMain", "cmdChkAns");
                control<QTextEdit>("frmMain", "rtfAnswer")->clear();
            } else if (action < 65) {
                click("frmMain", "cmdGiveUp");
            } else if (action < 80) {
                pressKey(Qt::Key(Qt::Key_F1 + seeded.bounded(3)));
            } else { // over to the options window and back, as a student with a mouse goes
                topLevelWindow("frmOpt")->activateWindow();
                QVERIFY(waitUntilActive(topLevelWindow("frmOpt")));
                click("frmOpt", Options[seeded.bounded(Options.size())]);
                questions->activateWindow();
            }
            QVERIFY(waitUntilActive(questions));

            // Inputs are enabled exactly while a question stands, the keyboard in the answer box.
            const QString now = shownText("frmMain", "rtfQuestion");
            for (const char *input : {"rtfAnswer", "cmdChkAns", "cmdGiveUp"})
                QCOMPARE(control("frmMain", input)->isEnabled(), !now.isEmpty());
            QVERIFY(now.isEmpty() || focusedControl() == "rtfAnswer");
            // The score labels show the counts once the series has any.
            const QuizState &state = quizState();
            QVERIFY(state.correctCount == 0 ||
                    shownText("frmMain", "lblScore") ==
                        QStringLiteral("%1 correct").arg(state.correctCount));
            QVERIFY(state.wrongCount == 0 || shownText("frmMain", "lblWrong") ==
                                                 QStringLiteral("%1 wrong").arg(state.wrongCount));
            QVERIFY(state.questionNumber <= 20);
            // A new question comes from the tables the options choose at this moment.
            if (now.isEmpty() || now == std::exchange(shown, now))
                continue;
            const Question &question = state.question;
            if (!ticked("chkCov1") && !ticked("chkCov2")) {
                QVERIFY(listed(catalogue,
                               {{IonTable::CationsMonovalent, !ticked("optCat1")},
                                {IonTable::CationsMultivalent, !ticked("optCat0")}},
                               question.cationName, question.cationSymbol));
                QVERIFY(listed(catalogue,
                               {{IonTable::AnionsSimple, ticked("chkAn1")},
                                {IonTable::AnionsPolyatomic, ticked("chkAn2")},
                                {IonTable::AnionsDerivative, ticked("chkAn4")},
                                {IonTable::AnionsHydrogen, ticked("chkAn8")},
                                {IonTable::AnionsOther, ticked("chkAn16")}},
                               question.anionName, question.anionFormula));
            } else {
                QVERIFY(listed(catalogue, {{IonTable::CovalentComplex, ticked("chkCov2")}},
                               question.compoundName, question.formula) ||
                        listed(catalogue, {{IonTable::CovalentSimple, ticked("chkCov1")}},
                               question.cationName, question.cationSymbol));
            }
        }
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
