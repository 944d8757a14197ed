#include "dialogports.h"
#include "fakes.h"
#include "fonts.h"
#include "frmmain.h"
#include "frmopt.h"
#include "inputblockingpause.h"
#include "ionarchapplication.h"
#include "questionavailability.h"
#include "richtextedit.h"
#include "samplecatalogue.h"
#include "windowdriver.h"

#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {

// The list owns its events: those of the second one are copied.
QTestEventList operator+(QTestEventList events, const QTestEventList &more) {
    for (const QTestEvent *event : more)
        events.append(event->clone());
    return events;
}

// A pause that does not wait, but lets a test look at the window meanwhile.
struct InstantPause final : Pause {
    std::function<void()> during = [] {};
    void pause(int) override { during(); }
};

// What a window takes from the program, as fakes; the print offer is answered No.
struct Services {
    explicit Services(const QuizSettings &chosen, const IonCatalogue &data = loadSampleCatalogue())
        : catalogue(data)
        , settings(chosen) {
        messages.answers = {MessageAnswer::No};
    }

    IonCatalogue catalogue;
    QuizSettings settings;
    ClockSeededRandom random;
    RecordingSink messages;
    NamePrompt prompt;
    FakePorts ports; // the printer and the date
    InstantPause instantPause;
    RecordingHelp help;
};

// Shown, and active with the keyboard.
template <class Window> Window &onScreen(Window &window) {
    window.show();
    window.activateWindow();
    if (!waitUntilActive(&window))
        qFatal("%s did not become active", qPrintable(window.objectName()));
    return window;
}

struct QuestionWindow : Services {
    explicit QuestionWindow(const QuizSettings &chosen = {}, Pause *slowerPause = nullptr)
        : Services(chosen)
        , window(QuizServices{catalogue, settings, random, messages, prompt, ports, ports,
                              slowerPause ? *slowerPause : instantPause, help}) {
        onScreen(window);
    }
    frmMain window;

    template <class Widget = QWidget> Widget &get(const char *name) const {
        return *window.findChild<Widget *>(QLatin1String(name));
    }
    QString expectedAnswer() const {
        const Question &question = window.quiz().state().question;
        return question.askName ? question.compoundName : question.formula;
    }
    bool inputsEnabled() const {
        return get("cmdChkAns").isEnabled() && get("cmdGiveUp").isEnabled() &&
               get("rtfAnswer").isEnabled();
    }
    // Clicks the notice from inside the wait that the next step starts; tells what it showed.
    std::shared_ptr<QStringList> clickNoticeWhenItWaits() {
        auto seen = std::make_shared<QStringList>();
        whenWaiting([this, seen] {
            QLabel &notice = get<QLabel>("lblResults");
            *seen << notice.text() << notice.palette().color(QPalette::Window).name()
                  << (inputsEnabled() ? "inputs on" : "inputs off");
            QTest::mouseClick(&notice, Qt::LeftButton);
        });
        return seen;
    }
};

struct OptionsWindow : Services {
    // The load sets three settings and leaves the cation kind as it finds it.
    explicit OptionsWindow(const IonCatalogue &data = loadSampleCatalogue())
        : Services({CationKind::MultiOxidationState,
                    {},
                    CovalentKind::Complex,
                    QuestionKind::NamesToFormulas},
                   data) {
        onScreen(window);
    }
    frmOpt window{settings, catalogue, messages};

    QAbstractButton *operator[](const QString &name) const {
        return window.findChild<QAbstractButton *>(name);
    }
    void click(const QStringList &names) const {
        for (const QString &name : names)
            QTest::mouseClick((*this)[name], Qt::LeftButton);
    }
};

// The whole program on the sample data.
struct Program {
    RecordingSink sink;
    NamePrompt prompt;
    IonarchApplication application{sink, prompt};

    bool startQuiz() {
        if (!application.start(QStringLiteral(IONARCH_SAMPLE_DATA)))
            return false;
        QTest::mouseClick(control<QAbstractButton>("frmOpt", "cmdGo"), Qt::LeftButton);
        return waitUntilActive(topLevelWindow("frmMain"));
    }
};

const QStringList AnionBoxes = {"chkAn1", "chkAn2", "chkAn4", "chkAn8", "chkAn16"};

// The windows asked to close, in turn.
struct CloseLog : QObject {
    QStringList order;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close)
            order << watched->objectName();
        return false;
    }
};

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsOpenWithTheDefaultsAndFocusOnStart() {
        OptionsWindow options;
        QVERIFY(options["optCat0"]->isChecked() && options["optQT2"]->isChecked() &&
                options["chkAn1"]->isChecked());
        for (const QString &box : AnionBoxes.mid(1) + QStringList{"chkCov1", "chkCov2"})
            QVERIFY(!options[box]->isChecked());
        QCOMPARE(focusedControl(), "cmdGo");
        QCOMPARE(
            options.settings,
            (QuizSettings{
                CationKind::MultiOxidationState, AnionCategory::Simple, {}, QuestionKind::Mixed}));
    }

    void optionClicksChangeTheSettingsUnderTheCovalentInterlock_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QuizSettings>("settings");
        using A = AnionCategory;
        QTest::addRow("options and anion boxes")
            << QStringList{"optCat2", "optQT0", "chkAn1", "chkAn2", "chkAn16"}
            << QuizSettings{
                   CationKind::Both, A::Polyatomic | A::Other, {}, QuestionKind::NamesToFormulas};
        QTest::addRow("simple covalent keeps only simple ions")
            << QStringList{"chkAn2", "chkAn8", "chkCov1"}
            << QuizSettings{CationKind::MultiOxidationState, A::Simple, CovalentKind::Simple,
                            QuestionKind::Mixed};
        QTest::addRow("both unticked frees the boxes, simple ions alone")
            << QStringList{"chkAn1", "chkCov2", "chkCov1", "chkCov2", "chkCov1"}
            << QuizSettings{CationKind::MultiOxidationState, A::Simple, {}, QuestionKind::Mixed};
    }
    void optionClicksChangeTheSettingsUnderTheCovalentInterlock() {
        QFETCH(QStringList, clicks);
        OptionsWindow options;
        options.click(QStringList{"optCat1", "optQT2"} + clicks);
        QTEST(options.settings, "settings");
        for (const QString &box : AnionBoxes) {
            QCOMPARE(options[box]->isChecked(),
                     options.settings.anionMask.testFlag(AnionCategory(box.mid(5).toInt())));
            QCOMPARE(options[box]->isEnabled(), !options.settings.covalentMode());
        }
        QCOMPARE(options["optCat1"]->isEnabled(), !options.settings.covalentMode());
    }

    void startRefusesWithoutAnAnionOrWhenNoQuestionCanBeMade() {
        OptionsWindow noAnion;
        noAnion.click({"chkAn1", "cmdGo"});
        QCOMPARE(noAnion.messages.shown,
                 QList<Message>({{"You must select at least one of the green options.",
                                  "No anion selected", MessageIcon::Warning}}));
        OptionsWindow noCation(catalogueFrom("[Anions-simple]\r\nchloride,Cl,1\r\n"));
        QSignalSpy started(&noCation.window, &frmOpt::quizStarted);
        noCation.click({"cmdGo"});
        QCOMPARE(noCation.messages.shown.value(0).text,
                 whyNoQuestion(noCation.catalogue, noCation.settings));
        QVERIFY(noCation["cmdGo"]->isVisible() && noAnion["cmdGo"]->isVisible() &&
                started.isEmpty());
    }

    void startAnnouncesTheQuizOnce_data() {
        QTest::addColumn<int>("key"); // none: a click
        QTest::addColumn<int>("modifiers");
        QTest::addRow("clicked") << 0 << 0;
        QTest::addRow("Enter on an option") << int(Qt::Key_Return) << 0;
        QTest::addRow("access key") << int(Qt::Key_S) << int(Qt::AltModifier);
    }
    void startAnnouncesTheQuizOnce() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        OptionsWindow options;
        QSignalSpy started(&options.window, &frmOpt::quizStarted);
        options["optQT1"]->setFocus();
        key ? pressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers)) : options.click({"cmdGo"});
        QTRY_COMPARE(started.count(), 1); // an access key clicks after a moment
        QVERIFY(!options["cmdGo"]->isVisible());
        pressKey(Qt::Key_Return);
        QCOMPARE(started.count(), 1);
    }

    void questionWindowOpensWithItsFirstQuestionAndTheKeyboardInTheAnswerBox() {
        QuestionWindow quiz;
        QCOMPARE(quiz.window.quiz().state().questionNumber, 1);
        QCOMPARE(quiz.get<QLabel>("lblHelp").text(),
                 " HELP:\n  F1 = cation help\n  F2 = anion help\n  F3 = specific help");
        QStringList focusOrder{focusedControl()};
        for (int stop = 0; stop < 3; ++stop) {
            pressKey(Qt::Key_Tab);
            focusOrder << focusedControl();
        }
        QCOMPARE(focusOrder, QStringList({"rtfAnswer", "rtfQuestion", "cmdGiveUp", "cmdChkAns"}));
    }

    void outcomesShowTheirNoticeAndScore_data() {
        QTest::addColumn<QString>("button"); // none: the right answer and Enter
        QTest::addColumn<QStringList>(
            "notice"); // text (%1 the name, %2 the formula), colour, inputs
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("answerBox");
        QTest::addRow("correct") << "" << QStringList{"CORRECT!\n%1 = %2", "#008000", "inputs on"}
                                 << "1 correct/"
                                 << "";
        QTest::addRow("incorrect")
            << "cmdChkAns"
            << QStringList{"Incorrect answer, try again.\n(Check spelling.)\n     > CLICK HERE <",
                           "#000080", "inputs off"}
            << "/"
            << "xyz";
        QTest::addRow("given up")
            << "cmdGiveUp"
            << QStringList{"The correct answer is:\n%1 = %2\n     > CLICK HERE <", "#800000",
                           "inputs off"}
            << "/1 wrong"
            << "";
    }
    void outcomesShowTheirNoticeAndScore() {
        QFETCH(QString, button);
        QFETCH(QStringList, notice);
        QuestionWindow quiz;
        const Question question = quiz.window.quiz().state().question;
        auto seen = std::make_shared<QStringList>();
        if (button.isEmpty()) {
            quiz.instantPause.during = [&] {
                QLabel &label = quiz.get<QLabel>("lblResults");
                *seen << label.text() << label.palette().color(QPalette::Window).name()
                      << (quiz.inputsEnabled() ? "inputs on" : "inputs off");
            };
            typeKeys(quiz.expectedAnswer() + '\r');
        } else {
            seen = quiz.clickNoticeWhenItWaits();
            typeKeys("xyz");
            QTest::mouseClick(&quiz.get<QPushButton>(qPrintable(button)), Qt::LeftButton);
        }
        notice[0] = notice[0].arg(question.compoundName, question.formula);
        QCOMPARE(*seen, notice);
        QTEST(quiz.get<QLabel>("lblScore").text() + '/' + quiz.get<QLabel>("lblWrong").text(),
              "score");
        QTEST(quiz.get<RichTextEdit>("rtfAnswer").plainText(), "answerBox");
        QVERIFY(quiz.get<QLabel>("lblResults").text().isEmpty() && quiz.inputsEnabled());
        QCOMPARE(focusedControl(), "rtfAnswer");
    }

    void helpKeysAndAboutReachTheHelp() {
        QuestionWindow quiz;
        for (const Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            pressKey(key);
        QMenuBar *bar = quiz.window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(bar->findChild<QAction *>("mnuAbout")).center());
        QCOMPARE(quiz.help.topics, QList({HelpTopic::Cations, HelpTopic::Anions,
                                          HelpTopic::ThisQuestion, HelpTopic::About}));
        QCOMPARE(quiz.window.quiz().state().answerLog[1].helpMark, "F3");
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
        QTest::addRow("water") << keys("H2O") << "H_2O";
        QTest::addRow("iron(III) sulfate") << keys("Fe2(SO4)3") << "Fe_2(SO_4)_3";
        QTest::addRow("digit typed between letters")
            << keys("HO", Qt::Key_Left) + keys("2") << "H_2O";
        QTest::addRow("keypad digit")
            << keys("H", Qt::Key_2, Qt::KeypadModifier) + keys("O") << "H2O";
        QTest::addRow("digits with Shift, Alt or Ctrl")
            << keys("C", Qt::Key_2, Qt::ShiftModifier) + keys("", Qt::Key_3, Qt::AltModifier) +
                   keys("", Qt::Key_4, Qt::ControlModifier) + keys("5")
            << "C23_5";
        QTest::addRow("parenthesis takes a space's place, digits lowered again")
            << keys("Fe", Qt::Key_2, Qt::KeypadModifier) + keys(" (") << "Fe_2(";
        QTest::addRow("parenthesis after a lone space") << keys(" (") << " (";
        QTest::addRow("Enter checks and leaves no line break")
            << keys("H2O", Qt::Key_Return) << "H_2O";
        QTest::addRow("so does keypad Enter")
            << keys("H2O", Qt::Key_Enter, Qt::KeypadModifier) << "H_2O";
    }
    void typedAnswerLowersPlainMainKeyboardDigitsAndJoinsParentheses() {
        QFETCH(QTestEventList, typing);
        // Names are asked, and H2O is never one.
        QuestionWindow quiz(
            {CationKind::Both, AnionCategory::Simple, {}, QuestionKind::FormulasToNames});
        const auto seen = quiz.clickNoticeWhenItWaits();
        typing.simulate(&quiz.get("rtfAnswer"));
        QTEST(loweredText(quiz.get<RichTextEdit>("rtfAnswer")), "shown");
        QCOMPARE(!seen->isEmpty(), QByteArray(QTest::currentDataTag()).contains("Enter"));
    }

    void parenthesisRuleFollowsTheKeyboardLayoutNotTheKey() {
        QuestionWindow quiz;
        typeKeys("Cu ");
        // The 5 key types "(" on a French keyboard; Shift+9 types "9" there.
        QTest::sendKeyEvent(QTest::Click, &quiz.get("rtfAnswer"), Qt::Key_5, "(", Qt::NoModifier);
        pressKey(Qt::Key_9, Qt::ShiftModifier);
        QCOMPARE(loweredText(quiz.get<RichTextEdit>("rtfAnswer")), "Cu(9");
    }

    void boxesShowFormulasLoweredAndPastedTextLowersItsDigits() {
        QuestionWindow quiz;
        RichTextEdit &box = quiz.get<RichTextEdit>("rtfAnswer");
        box.setFormula("Fe2(SO4)3");
        QCOMPARE(loweredText(box), "Fe_2(SO_4)_3");
        box.setPlainText("NaCl"); // nothing lowered is left behind
        typeKeys("x");
        auto *data = new QMimeData;
        data->setText("H2\r\nO\n");
        data->setHtml("<b>H</b><sub>2</sub><br>O");
        QApplication::clipboard()->setMimeData(data);
        box.paste();
        QCOMPARE(loweredText(box), "NaClxH_2O");
        QCOMPARE(box.document()->blockCount(), 1);
    }

    void loweredDigitDropsTwoPointsAtFullSize() {
        // How far the 2 reaches below the H, which stands on the baseline.
        const auto digitDrop = [](bool lowered) {
            RichTextEdit box;
            box.setFont(Fonts::resolve("Arial", 11.25));
            box.show();
            lowered ? box.setFormula("H2") : box.setPlainText("H2");
            QTextCursor betweenTheTwo(box.document());
            betweenTheTwo.setPosition(1);
            const int split = box.cursorRect(betweenTheTwo).center().x();
            const QImage image = box.viewport()->grab().toImage();
            const auto lowestInk = [&](int left, int right) {
                for (int y = image.height() - 1; y >= 0; --y) {
                    for (int x = left; x < right; ++x) {
                        if (qGray(image.pixel(x, y)) < 128)
                            return y;
                    }
                }
                return -1;
            };
            return lowestInk(split, image.width()) - lowestInk(0, split);
        };
        const int drop = digitDrop(true) - digitDrop(false);
        QVERIFY2(qAbs(drop - 2.0 * QApplication::primaryScreen()->logicalDotsPerInchY() / 72) <=
                     1.0,
                 qPrintable(QString::number(drop)));
    }

    void duringThePauseInputIsDroppedAndACloseWaitsUntilItIsOver() {
        // The program's own pause, short: input is dropped meanwhile as in the real one.
        struct : Pause {
            InputBlockingPause blocking;
            void pause(int) override { blocking.pause(200); }
        } pause;
        QuestionWindow quiz({}, &pause);
        QSignalSpy closing(&quiz.window, &frmMain::closing);
        bool visibleAfterClose = false;
        whenWaiting([&] {
            typeKeys("x\r");
            QTest::mouseClick(&quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
            quiz.window.close();
            visibleAfterClose = quiz.window.isVisible();
        });
        typeKeys(quiz.expectedAnswer() + '\r');
        QVERIFY(visibleAfterClose);
        QCOMPARE(quiz.window.quiz().state().questionNumber, 2);
        QCOMPARE(quiz.get<QLabel>("lblWrong").text(), QString());
        QTRY_COMPARE(closing.count(), 1);
        QVERIFY(!quiz.window.isVisible());
    }

    void closingWhileANoticeWaitsEndsTheWaitAndTheOutcome() {
        QuestionWindow quiz;
        whenWaiting([&] { quiz.window.close(); });
        QTest::mouseClick(&quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
        QVERIFY(!quiz.window.isVisible());
        QCOMPARE(quiz.window.quiz().state().answerLog[1].outcome +
                     quiz.get<QLabel>("lblWrong").text(),
                 QString());
    }

    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("text");
        QTest::addRow("missing") << false << "doesn't exist.\r\n ... exiting ...";
        QTest::addRow("empty") << true << "No data in IONS.DAT file.";
    }
    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow() {
        QFETCH(bool, exists);
        QFETCH(QString, text);
        QTemporaryDir folder;
        QFile file(folder.filePath("ions.dat"));
        QVERIFY(!exists || file.open(QIODevice::WriteOnly));
        Program program;
        QCOMPARE(program.application.exec(file.fileName()), 1);
        QCOMPARE(program.sink.shown.size(), 1);
        QVERIFY(program.sink.shown[0].text.endsWith(text));
        QCOMPARE(visibleWindows(), QStringList());
    }

    void startOpensTheQuestionWindowBesideThePeriodicTable() {
        Program program;
        QVERIFY(program.startQuiz());
        QCOMPARE(visibleWindows(), QStringList({"frmMain", "frmOpt", "frmPT"}));
        QCOMPARE(focusedControl(), "rtfAnswer");
        // A covalent box ticked in the options shows in the help label on the way back.
        QVERIFY(onScreen(*topLevelWindow("frmOpt")).isActiveWindow());
        QTest::mouseClick(control<QAbstractButton>("frmOpt", "chkCov1"), Qt::LeftButton);
        QCOMPARE(onScreen(*topLevelWindow("frmMain")).findChild<QLabel *>("lblHelp")->text(),
                 " HELP:\n  F1 = Help for\n  covalent compounds\n  F3 = specific help");
    }

    void helpOpensModallyAndGivesTheKeyboardBack() {
        Program program;
        QVERIFY(program.startQuiz());
        QStringList seen;
        inModalWindow([&] {
            seen << control<QLabel>("frmHelp", "lblHeading")->text() << focusedControl();
            // The prose wraps at the window's edge; the listing's rows never do.
            const QTextDocument *text = control<QTextEdit>("frmHelp", "txtHelp")->document();
            seen << QString::number(text->begin().layout()->lineCount() > 1)
                 << QString::number(text->lastBlock().previous().layout()->lineCount());
            pressKey(Qt::Key_Escape);
        });
        QTest::mouseClick(control<QAbstractButton>("frmOpt", "chkCov1"), Qt::LeftButton);
        pressKey(Qt::Key_F1);
        QCOMPARE(seen, QStringList({"Help for covalent naming", "cmdOK", "1", "1"}));
        QVERIFY(!topLevelWindow("frmHelp")->isVisible());
        QVERIFY(waitUntilActive(topLevelWindow("frmMain")));
        QCOMPARE(focusedControl(), "rtfAnswer");
    }

    void closingDecidesWhichWindowsGo_data() {
        QTest::addColumn<QString>("closed");
        QTest::addColumn<QStringList>("order"); // of the windows asked to close, or unloaded
        QTest::addColumn<QStringList>("left");
        QTest::addRow("options window")
            << "frmOpt" << QStringList{"frmOpt", "frmPT", "frmHelp"} << QStringList{"frmMain"};
        QTest::addRow("question window")
            << "frmMain" << QStringList{"frmMain", "frmPT", "frmOpt", "frmHelp"} << QStringList();
        QTest::addRow("Exit command")
            << "mnuExit" << QStringList{"frmMain", "frmPT", "frmOpt", "frmHelp"} << QStringList();
    }
    void closingDecidesWhichWindowsGo() {
        QFETCH(QString, closed);
        Program program;
        QVERIFY(program.startQuiz());
        CloseLog log;
        for (const QString &name : {"frmMain", "frmOpt", "frmPT", "frmHelp"}) {
            topLevelWindow(name)->installEventFilter(&log);
            connect(topLevelWindow(name), &QObject::destroyed, &log,
                    [&log, name] { log.order << name; });
        }
        if (closed == "mnuExit") {
            QMenuBar *bar = qobject_cast<QMainWindow *>(topLevelWindow("frmMain"))->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(bar->findChild<QAction *>("mnuExit")).center());
        } else {
            topLevelWindow(closed)->close();
        }
        QTEST(log.order, "order");
        QTEST(visibleWindows(), "left");
    }

    void realMessageBoxShowsTheMessageWithNoAsTheDefault() {
        QStringList seen;
        inModalWindow([&] {
            seen << QApplication::activeModalWidget()->windowTitle()
                 << QApplication::activeModalWidget()->property("text").toString();
            pressKey(Qt::Key_Return); // the default button
        });
        const Message question{"Print?\r\nNow", "", MessageIcon::Question, MessageButtons::YesNo};
        QCOMPARE(DialogMessageSink().show(question), MessageAnswer::No);
        QCOMPARE(seen, QStringList({"ionarch50", "Print?\nNow"}));
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
