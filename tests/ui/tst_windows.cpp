#include "quiz/questionavailability.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "ui/ionarchapplication.h"
#include "ui/system/dialogports.h"
#include "ui/system/inputblockingpause.h"
#include "ui/widgets/noticelabel.h"
#include "ui/widgets/richtextedit.h"
#include "ui/windows/frmmain.h"
#include "ui/windows/frmopt.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

QTestEventList operator+(QTestEventList events, const QTestEventList &more) {
    for (const QTestEvent *event : more) // the list owns its events
        events.append(event->clone());
    return events;
}

struct InstantPause final : Pause {
    std::function<void()> during = [] {}; // a look at the window while it would pause
    void pause(int) override { during(); }
};

// All a window takes from the program, as fakes; the print offer is answered No.
struct Fakes {
    explicit Fakes(const QuizSettings &chosen = {})
        : settings(chosen) {
        messages.answers = {MessageAnswer::No};
    }
    QuizServices services(Pause *pause = nullptr) {
        return {catalogue, settings, random, messages,
                prompt,    ports,    ports,  pause ? *pause : instantPause,
                help,      ports};
    }
    IonCatalogue catalogue = loadSampleCatalogue();
    QuizSettings settings;
    ClockSeededRandom random;
    RecordingSink messages;
    NamePrompt prompt;
    FakePorts ports; // the printer, the date and the recorder
    InstantPause instantPause;
    RecordingHelp help;
};

// The notice's text, which a screen reader reads as its name, and colour, and whether the
// inputs that start a judgement take input.
QStringList notice() {
    bool inputs = true;
    for (const char *input : {"cmdChkAns", "cmdGiveUp", "rtfAnswer"})
        inputs = inputs && control("frmMain", input)->isEnabled();
    QWidget *label = control("frmMain", "lblResults");
    const QString text = shownText("frmMain", "lblResults");
    return {QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) == text
                ? text
                : "not named by its text",
            label->palette().window().color().name(), inputs ? "inputs on" : "inputs off"};
}
void clickMenu(const char *command) {
    QMenuBar *bar = topLevelWindow("frmMain")->findChild<QMenuBar *>();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(bar->findChild<QAction *>(command)).center());
}

// The whole program on the sample data, the quiz started.
struct Program {
    RecordingSink sink;
    NamePrompt prompt;
    IonarchApplication application{sink, prompt};

    bool startQuiz() {
        if (!application.start(QStringLiteral(IONARCH_SAMPLE_DATA)))
            return false;
        click("frmOpt", "cmdGo");
        return waitUntilActive(topLevelWindow("frmMain"));
    }
};

const QuizSettings FormulaAsked{
    CationKind::SingleOxidationState, AnionCategory::Simple, {}, QuestionKind::NamesToFormulas};

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void outcomesShowTheirNoticeWhichTakesTheKeyboardWhileItWaits_data() {
        QTest::addColumn<QString>("typed");      // "%answer" stands for the right answer
        QTest::addColumn<QString>("button");     // clicked after typing, if any
        QTest::addColumn<Qt::Key>("dismissal");  // of a waiting notice; Key_unknown: a click
        QTest::addColumn<QStringList>("notice"); // %1 the name, %2 the formula
        QTest::addColumn<QString>("afterwards"); // score / wrong / answer box
        const QStringList wrong{
            "Incorrect answer, try again.\n(Check spelling.)\n     > CLICK HERE <", "#000080",
            "inputs off", "lblResults"};
        const QStringList revealed{"The correct answer is:\n%1 = %2\n     > CLICK HERE <",
                                   "#800000", "inputs off", "lblResults"};
        QTest::addRow("right, by Enter")
            << "%answer\r"
            << "" << Qt::Key_unknown
            << QStringList{"CORRECT!\n%1 = %2", "#008000", "inputs on", "rtfAnswer"}
            << "1 correct//";
        QTest::addRow("wrong, notice clicked")
            << "Xyz"
            << "cmdChkAns" << Qt::Key_unknown << wrong << "//Xyz";
        QTest::addRow("wrong, Enter") << "Xyz\r"
                                      << "" << Qt::Key_Return << wrong << "//Xyz";
        QTest::addRow("wrong, Space") << "Xyz\r"
                                      << "" << Qt::Key_Space << wrong << "//Xyz";
        QTest::addRow("wrong, Escape") << "Xyz\r"
                                       << "" << Qt::Key_Escape << wrong << "//Xyz";
        QTest::addRow("given up, notice clicked")
            << ""
            << "cmdGiveUp" << Qt::Key_unknown << revealed << "/1 wrong/";
        QTest::addRow("given up by Tab, Tab and Space, then Enter")
            << "\t\t "
            << "" << Qt::Key_Return << revealed << "/1 wrong/";
    }
    void outcomesShowTheirNoticeWhichTakesTheKeyboardWhileItWaits() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(Qt::Key, dismissal);
        QFETCH(QStringList, notice);
        Fakes fakes(FormulaAsked); // which "Xyz" could never be
        frmMain window(fakes.services());
        onScreen(window);
        notice[0]
            .replace("%1", quizState().question.compoundName)
            .replace("%2", quizState().question.formula);
        QStringList seen;
        fakes.instantPause.during = [&] { seen = ::notice() << focusedControl(); };
        if (notice[2] == "inputs off") { // a notice that waits for its click
            whenWaiting(&window, [&] {
                seen = ::notice() << focusedControl();
                dismissal == Qt::Key_unknown ? click("frmMain", "lblResults") : pressKey(dismissal);
            });
        }
        typeKeys(typed.replace("%answer", expectedAnswer()));
        if (!button.isEmpty())
            click("frmMain", button);
        QCOMPARE(seen, notice);
        QTEST(shownText("frmMain", "lblScore") + '/' + shownText("frmMain", "lblWrong") + '/' +
                  shownText("frmMain", "rtfAnswer"),
              "afterwards");
        QCOMPARE(::notice(),
                 QStringList({"", window.palette().button().color().name(), "inputs on"}));
        QCOMPARE(focusedControl(), "rtfAnswer");
    }

    void theLongestExplanationFitsItsNoticeInTheWindow() {
        Fakes fakes;
        frmMain window(fakes.services());
        onScreen(window);
        auto *notice = control<NoticeLabel>("frmMain", "lblResults");
        const QSize atRest = notice->size();
        notice->showNotice(NoticeKind::Incorrect, "Incorrect answer, try again.\r\n" +
                                                      QString("chloride ").repeated(11) +
                                                      "\r\n     > CLICK HERE <");
        QVERIFY(notice->height() > atRest.height() &&
                notice->height() >= notice->heightForWidth(notice->width()));
        QVERIFY(notice->geometry().bottom() < notice->parentWidget()->height());
        notice->clearNotice();
        QCOMPARE(notice->size(), atRest);
    }

    void helpKeysAndAboutReachTheHelp() {
        Fakes fakes;
        frmMain window(fakes.services());
        onScreen(window);
        for (const Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            pressKey(key);
        QVERIFY(fakes.help.questionHelp.startsWith("The positive ion is " +
                                                   quizState().question.cationName));
        clickMenu("mnuAbout");
        QCOMPARE(shownText("frmMain", "lblHelp"),
                 " HELP:\n  F1 = cation help\n  F2 = anion help\n  F3 = specific help");
        QCOMPARE(quizState().answerLog[1].helpMark, "F3");
        fakes.settings.covalentMask = CovalentKind::Simple; // covalent help; F2 is idle
        typeKeys(expectedAnswer() + '\r');
        for (const Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            pressKey(key);
        QCOMPARE(fakes.help.topics,
                 QList({HelpTopic::Cations, HelpTopic::Anions, HelpTopic::ThisQuestion,
                        HelpTopic::About, HelpTopic::CovalentNaming, HelpTopic::ComplexCompounds}));
        // F3 marks the covalent question for the report as it does an ionic one.
        QCOMPARE(quizState().answerLog[2].helpMark, "F3");
    }

    void typedAnswerLowersPlainMainKeyboardDigitsAndJoinsParentheses_data() {
        QTest::addColumn<QTestEventList>("typing");
        QTest::addColumn<QString>("shown");
        const auto keys = [](const QString &typed, Qt::Key key = Qt::Key_unknown,
                             Qt::KeyboardModifiers modifiers = {}) {
            QTestEventList events;
            events.addKeyClicks(typed);
            if (key != Qt::Key_unknown)
                events.addKeyClick(key, modifiers);
            return events;
        };
        const QTestEventList keypad2 = keys("", Qt::Key_2, Qt::KeypadModifier);
        QTest::addRow("iron(III) sulfate") << keys("Fe2(SO4)3") << "Fe_2(SO_4)_3";
        QTest::addRow("digit typed between letters")
            << keys("HO", Qt::Key_Left) + keys("2") << "H_2O";
        QTest::addRow("digits of the keypad, or with Shift, Alt or Ctrl")
            << keys("C") + keypad2 + keys("", Qt::Key_2, Qt::ShiftModifier) +
                   keys("", Qt::Key_3, Qt::AltModifier) + keys("", Qt::Key_4, Qt::ControlModifier) +
                   keys("5")
            << "C223_5";
        QTest::addRow("parenthesis takes a space's place, digits lowered again")
            << keys("Fe") + keypad2 + keys(" (") << "Fe_2(";
        QTest::addRow("parenthesis after a lone space") << keys(" (") << " (";
        QTest::addRow("Enter checks and leaves no line break")
            << keys("H2O", Qt::Key_Return) << "H_2O";
        QTest::addRow("so does keypad Enter")
            << keys("H2O", Qt::Key_Enter, Qt::KeypadModifier) << "H_2O";
    }
    void typedAnswerLowersPlainMainKeyboardDigitsAndJoinsParentheses() {
        QFETCH(QTestEventList, typing);
        Fakes fakes({CationKind::Both, AnionCategory::Simple, {}, QuestionKind::FormulasToNames});
        frmMain window(fakes.services());
        onScreen(window);
        QCOMPARE(loweredText(*control<QTextEdit>("frmMain", "rtfQuestion")),
                 lowered(quizState().question.formula));
        bool checked = false; // H2O is never the name asked
        whenWaiting(&window, [&] { checked = true, click("frmMain", "lblResults"); });
        typing.simulate(QApplication::focusWidget());
        QTEST(loweredText(*control<QTextEdit>("frmMain", "rtfAnswer")), "shown");
        QCOMPARE(checked, QByteArray(QTest::currentDataTag()).contains("Enter"));
    }

    void duringThePauseInputIsDroppedAndACloseWaitsUntilItIsOver() {
        struct : Pause { // the program's own, short
            InputBlockingPause blocking;
            void pause(int) override { blocking.pause(200); }
        } pause;
        Fakes fakes;
        frmMain window(fakes.services(&pause));
        onScreen(window);
        QSignalSpy closing(&window, &frmMain::closing);
        bool visibleAfterClose = false;
        whenWaiting(&window, [&] {
            typeKeys("x\r");
            click("frmMain", "cmdGiveUp");
            window.close();
            visibleAfterClose = window.isVisible();
        });
        typeKeys(expectedAnswer() + '\r');
        QVERIFY(visibleAfterClose && quizState().questionNumber == 2 &&
                shownText("frmMain", "lblWrong").isEmpty());
        QTRY_COMPARE(closing.count(), 1);
    }

    void closingWhileANoticeWaitsEndsTheWaitAndTheOutcome() {
        Fakes fakes;
        frmMain window(fakes.services());
        onScreen(window);
        whenWaiting(&window, [&] { window.close(); });
        click("frmMain", "cmdGiveUp");
        QCOMPARE(quizState().answerLog[1].outcome + shownText("frmMain", "lblWrong"), QString());
    }

    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow() {
        QTemporaryDir folder;
        QFile file(folder.filePath("ions.dat"));
        for (const char *message :
             {"doesn't exist.\r\n ... exiting ...", "No data in IONS.DAT file."}) {
            Program program;
            QCOMPARE(program.application.exec(file.fileName()), 1);
            QVERIFY(program.sink.shown.size() == 1 && program.sink.shown[0].text.endsWith(message));
            QCOMPARE(visibleWindows(), QStringList());
            QVERIFY(file.open(QIODevice::WriteOnly)); // empty, for the second round
            file.close();
        }
    }

    void startOpensTheQuestionWindowWhoseHelpGivesTheKeyboardBack() {
        Program program;
        QVERIFY(program.startQuiz());
        QCOMPARE(visibleWindows(), QStringList({"frmMain", "frmOpt", "frmPT"}));
        click("frmOpt", "chkCov1");
        QStringList seen;
        inModalWindow([&] {
            const QTextDocument *help = control<QTextEdit>("frmHelp", "txtHelp")->document();
            // The prose wraps at the window's edge; the listing's rows never do.
            seen << control<QLabel>("frmHelp", "lblHeading")->text() << focusedControl()
                 << QString::number(help->begin().layout()->lineCount() > 1)
                 << QString::number(help->lastBlock().previous().layout()->lineCount());
            pressKey(Qt::Key_Escape);
        });
        pressKey(Qt::Key_F1);
        QCOMPARE(seen, QStringList({"Help for covalent naming", "cmdOK", "1", "1"}));
        QVERIFY(waitUntilActive(topLevelWindow("frmMain")));
        QCOMPARE(focusedControl(), "rtfAnswer");
        QCOMPARE(shownText("frmMain", "lblHelp"),
                 " HELP:\n  F1 = Help for\n  covalent compounds\n  F3 = specific help");
    }

    void closingDecidesWhichWindowsGo_data() {
        QTest::addColumn<QString>("closed");
        QTest::addColumn<QStringList>("left");
        QTest::addRow("options window") << "frmOpt" << QStringList{"frmMain"};
        QTest::addRow("question window") << "frmMain" << QStringList();
        QTest::addRow("Exit command") << "mnuExit" << QStringList();
        QTest::addRow("Alt+X") << "Alt+X" << QStringList();
    }
    void closingDecidesWhichWindowsGo() {
        QFETCH(QString, closed);
        Program program;
        QVERIFY(program.startQuiz());
        if (closed == "mnuExit")
            clickMenu("mnuExit");
        else if (closed == "Alt+X")
            pressKey(Qt::Key_X, Qt::AltModifier);
        else
            topLevelWindow(closed)->close();
        QTEST(visibleWindows(), "left");
    }

    void realMessageBoxShowsItsTextAsItStandsWithNoAsTheDefault() {
        QStringList seen;
        inModalWindow([&] {
            const auto *text =
                QApplication::activeModalWidget()->findChild<QLabel *>("qt_msgbox_label");
            seen << QApplication::activeModalWidget()->windowTitle() << text->text()
                 << QString::number(text->textFormat() == Qt::PlainText);
            pressKey(Qt::Key_Return);
        });
        const Message dataLine{"[x<br>\r\ny]", "", MessageIcon::Question, MessageButtons::YesNo};
        QCOMPARE(DialogMessageSink().show(dataLine), MessageAnswer::No);
        QCOMPARE(seen, QStringList({"ionarch50", "[x<br>\ny]", "1"}));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
