#include "inputblockingpause.h"
#include "questionwindowfixture.h"

#include <QElapsedTimer>
#include <QMenuBar>

namespace {

const QString Correct = QStringLiteral("correct"), Wrong = QStringLiteral("wrong"),
              GivenUp = QStringLiteral("given up");

// Records the order in which windows are asked to close or are destroyed.
class CloseLog : public QObject {
public:
    void watch(QWidget &window) {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, this,
                [this, name = window.objectName()] { order << name; });
    }
    QStringList order;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close)
            order << watched->objectName();
        return false;
    }
};

void clickMenu(QMainWindow &window, const char *command) {
    QMenuBar *bar = window.menuBar();
    QAction *action = bar->findChild<QAction *>(QLatin1String(command));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

} // namespace

class QuestionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFirstQuestionAndTheFocusInTheAnswerBox() {
        QuestionWindow quiz;
        QCOMPARE(quiz.window.windowTitle(), QStringLiteral("Ionarch: - Questions"));
        QCOMPARE(quiz.get("client")->size(), QSize(525, 256));
        QCOMPARE(quiz.window.minimumSize(), quiz.window.maximumSize());
        QCOMPARE(quiz.window.pos(), QPoint(262, 354));
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.get<QTextEdit>("rtfQuestion")->toPlainText(),
                 quiz.state().answerLog[1].shown);
        QVERIFY(quiz.text("lblQuestion").startsWith(QStringLiteral("Enter the ")));
        QCOMPARE(quiz.text("lblHelp"), QStringLiteral(" HELP:\n  F1 = cation help\n"
                                                      "  F2 = anion help\n  F3 = specific help"));
        QCOMPARE(quiz.text("lblScore") + quiz.text("lblWrong") + quiz.notice().text(), QString());
        QVERIFY(!quiz.notice().isEnabled());
        QCOMPARE(quiz.get<QTextEdit>("rtfQuestion")->accessibleName(), QStringLiteral("Question"));
        QCOMPARE(quiz.answerBox().accessibleName(), QStringLiteral("Answer"));

        QStringList focusOrder;
        for (QWidget *stop = &quiz.answerBox(); focusOrder.size() < 4;
             stop = stop->nextInFocusChain()) {
            if (stop->focusPolicy() & Qt::TabFocus)
                focusOrder << stop->objectName();
        }
        QCOMPARE(focusOrder, (QStringList{"rtfAnswer", "rtfQuestion", "cmdGiveUp", "cmdChkAns"}));
        QCOMPARE(QApplication::focusWidget(), &quiz.answerBox());
        QStringList commands;
        for (const QAction *action : quiz.window.menuBar()->actions())
            commands << action->text() + (action->menu() ? "..." : "");
        QCOMPARE(commands, (QStringList{"&About", "E&xit"}));
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        const QColor grey(128, 128, 128), none;
        QTest::addRow("help") << "lblHelp" << QRect(8, 8, 137, 81) << grey << QColor(255, 255, 0);
        QTest::addRow("frame") << "questionFrame" << QRect(160, 8, 265, 97) << none << none;
        QTest::addRow("prompt") << "lblQuestion" << QRect(168, 16, 217, 49) << none << none;
        QTest::addRow("margin") << "greyMargin" << QRect(176, 56, 17, 41) << QColor(238, 238, 238)
                                << none;
        QTest::addRow("question") << "rtfQuestion" << QRect(192, 56, 217, 41)
                                  << QColor(238, 238, 238) << none;
        QTest::addRow("answer") << "rtfAnswer" << QRect(168, 112, 241, 33) << none << none;
        QTest::addRow("give up") << "cmdGiveUp" << QRect(56, 112, 73, 33) << QColor(192, 128, 48)
                                 << none;
        QTest::addRow("check") << "cmdChkAns" << QRect(440, 104, 65, 41) << QColor(0, 208, 208)
                               << none;
        QTest::addRow("caption") << "scoreCaption" << QRect(440, 8, 73, 17) << grey
                                 << QColor(Qt::white);
        QTest::addRow("score") << "lblScore" << QRect(440, 24, 73, 25) << grey << QColor(0, 255, 0);
        QTest::addRow("wrong") << "lblWrong" << QRect(440, 48, 73, 25) << grey
                               << QColor(255, 128, 0);
        QTest::addRow("notice") << "lblResults" << QRect(32, 160, 473, 65) << none << none;
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QuestionWindow quiz;
        QWidget *control = quiz.get(qPrintable(name));
        QCOMPARE(control->geometry(), pixels);
        const auto *box = qobject_cast<QTextEdit *>(control);
        QWidget *surface = box ? box->viewport() : control;
        if (background.isValid())
            QCOMPARE(surface->palette().color(surface->backgroundRole()), background);
        if (text.isValid())
            QCOMPARE(control->palette().color(control->foregroundRole()), text);
    }

    void outcomesShowTheirNoticeScoreAndLog_data() {
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("notice"); // %1 the name, %2 the formula
        QTest::addColumn<QString>("scores");
        QTest::addColumn<QString>("logged");
        QTest::addRow("correct") << Correct << QColor(0, 128, 0) << "CORRECT!\n%1 = %2"
                                 << "1 correct/"
                                 << "Y";
        QTest::addRow("incorrect") << Wrong << QColor(0, 0, 128)
                                   << "Incorrect answer, try again.\n(Check spelling.)\n"
                                      "     > CLICK HERE <"
                                   << "/"
                                   << "";
        QTest::addRow("given up") << GivenUp << QColor(128, 0, 0)
                                  << "The correct answer is:\n%1 = %2\n     > CLICK HERE <"
                                  << "/1 wrong"
                                  << "N";
    }
    void outcomesShowTheirNoticeScoreAndLog() {
        QFETCH(QString, outcome);
        QFETCH(QColor, colour);
        QFETCH(QString, notice);
        QFETCH(QString, scores);
        QFETCH(QString, logged);
        QuestionWindow quiz;
        const Question question = quiz.state().question;
        auto seen = std::make_shared<SeenNotice>();
        quiz.instantPause.during = [&] {
            *seen = {quiz.notice().text(), quiz.notice().palette().color(QPalette::Window), true};
        };
        if (outcome == Correct) {
            quiz.answer(quiz.expectedAnswer());
        } else if (outcome == Wrong) {
            seen = quiz.clickNoticeWhenItWaits();
            QTest::keyClicks(&quiz.answerBox(), QStringLiteral("xyz"));
            QTest::mouseClick(quiz.get<QPushButton>("cmdChkAns"), Qt::LeftButton);
        } else {
            seen = quiz.clickNoticeWhenItWaits();
            QTest::mouseClick(quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
        }
        QCOMPARE(seen->text,
                 notice.replace("%1", question.compoundName).replace("%2", question.formula));
        QCOMPARE(seen->colour, colour);
        QCOMPARE(seen->inputsEnabled, outcome == Correct);

        QCOMPARE(quiz.text("lblScore") + "/" + quiz.text("lblWrong"), scores);
        QCOMPARE(quiz.state().answerLog[1].outcome, logged);
        QCOMPARE(quiz.state().questionNumber, outcome == Wrong ? 1 : 2);
        QCOMPARE(quiz.answerBox().plainText(), outcome == Wrong ? "xyz" : "");
        QCOMPARE(quiz.notice().text(), QString());
        QCOMPARE(quiz.notice().frameShape(), QFrame::NoFrame);
        QVERIFY(quiz.get("cmdChkAns")->isEnabled() && quiz.get("cmdGiveUp")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), &quiz.answerBox());
    }

    void helpKeysAndAboutOpenTheirTopicsAndF3MarksTheQuestion_data() {
        QTest::addColumn<int>("covalentMask");
        QTest::addColumn<int>("key");         // 0: the About command
        QTest::addColumn<QString>("heading"); // empty: no help opens
        QTest::addRow("ionic F1") << 0 << int(Qt::Key_F1) << "List of Cations used";
        QTest::addRow("ionic F2") << 0 << int(Qt::Key_F2) << "List of Anions used";
        QTest::addRow("ionic F3") << 0 << int(Qt::Key_F3) << "Help for this specific question";
        QTest::addRow("ionic About") << 0 << 0 << "About Ionarch: version 5.1.0";
        QTest::addRow("covalent F1") << 1 << int(Qt::Key_F1) << "Help for covalent naming";
        QTest::addRow("covalent F2") << 1 << int(Qt::Key_F2) << "";
        QTest::addRow("covalent F3")
            << 3 << int(Qt::Key_F3) << "List of all complex covalent compounds";
        QTest::addRow("covalent About") << 2 << 0 << "About Ionarch: version 5.1.0";
    }
    void helpKeysAndAboutOpenTheirTopicsAndF3MarksTheQuestion() {
        QFETCH(int, covalentMask);
        QFETCH(int, key);
        QFETCH(QString, heading);
        QuestionWindow quiz(
            {SingleOxidationState, SimpleAnions, qint16(covalentMask), MixedDirections});
        const QString expectedText = QMap<QString, QString>{
            {"List of Cations used", quiz.help.help1},
            {"List of Anions used", quiz.help.help2},
            {"Help for this specific question", quiz.window.quiz().help3()},
            {"Help for covalent naming", frmHelp::covalentIntroduction() + quiz.help.helpC1},
            {"List of all complex covalent compounds",
             quiz.help.helpC2}}.value(heading);
        QString shownHeading, shownText;
        QTimer::singleShot(0, &quiz.help, [&] {
            if (QApplication::activeModalWidget() != &quiz.help)
                return;
            shownHeading = quiz.help.findChild<QLabel *>("lblHeading")->text();
            shownText = quiz.help.findChild<QTextEdit *>("txtHelp")->toPlainText();
            quiz.help.close();
        });
        if (key)
            QTest::keyClick(&quiz.answerBox(), Qt::Key(key));
        else
            clickMenu(quiz.window, "mnuAbout");
        QCoreApplication::processEvents();
        QCOMPARE(shownHeading, heading);
        if (!expectedText.isEmpty())
            QCOMPARE(shownText, QString(expectedText).replace("\r\n", "\n"));
        QCOMPARE(quiz.state().answerLog[1].helpMark, key == Qt::Key_F3 ? "F3" : "");
    }

    void aSeriesOf20EndsWithThePrintOfferAndTheNextStartsKeepingTheScores() {
        QuestionWindow quiz;
        for (int question = 1; question <= 20; ++question) {
            QCOMPARE(quiz.state().questionNumber, question);
            if (question % 10 == 0)
                quiz.giveUp();
            else
                quiz.answer(quiz.expectedAnswer());
        }
        const QList<Message> offer = {{"You've completed 20 questions.\r\n"
                                       "Do you want to print out your results?",
                                       "Print a copy?", MessageIcon::Question,
                                       MessageButtons::YesNo}};
        QCOMPARE(quiz.ports.messages, offer);
        QVERIFY(quiz.ports.printed.isEmpty());
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().correctCount + quiz.state().wrongCount, 0);
        QCOMPARE(quiz.text("lblScore") + "/" + quiz.text("lblWrong"), "18 correct/2 wrong");
        QVERIFY(!quiz.get<QTextEdit>("rtfQuestion")->toPlainText().isEmpty());
    }

    void closingUnloadsThePeriodicTableOptionsAndHelpInThatOrder_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addRow("close box") << false;
        QTest::addRow("Exit command") << true;
    }
    void closingUnloadsThePeriodicTableOptionsAndHelpInThatOrder() {
        QFETCH(bool, byMenu);
        QuestionWindow quiz;
        quiz.options.show();
        CloseLog log;
        log.watch(*quiz.periodicTable.window());
        log.watch(quiz.options);
        log.watch(quiz.help);
        if (byMenu)
            clickMenu(quiz.window, "mnuExit");
        else
            quiz.window.close();
        QCOMPARE(log.order.mid(0, 3), (QStringList{"frmPT", "frmOpt", "frmHelp"}));
        QVERIFY(!quiz.window.isVisible() && !quiz.options.isVisible());
        QVERIFY(!quiz.periodicTable.window());
    }

    void closingWhileANoticeWaitsEndsTheWaitAndNothingMoreOfTheOutcomeHappens() {
        QuestionWindow quiz;
        QTimer::singleShot(0, &quiz.window, &QWidget::close);
        // Should the wait go on, this click ends it, and the outcome shows.
        QTimer::singleShot(500, &quiz.notice(), [&] { emit quiz.notice().clicked(); });
        QTest::mouseClick(quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
        QVERIFY(!quiz.window.isVisible());
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().answerLog[1].outcome, QString());
        QCOMPARE(quiz.text("lblWrong"), QString());
    }

    void duringThePauseInputIsDroppedAndACloseWaitsUntilItIsOver() {
        InputBlockingPause pause;
        QuestionWindow quiz({}, &pause);
        // A judgement of dropped input would wait for a click on its notice: this gives the
        // click and remembers the notice.
        QStringList waitingNotices;
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, [&] {
            if (quiz.notice().text().endsWith(QStringLiteral("> CLICK HERE <"))) {
                waitingNotices << quiz.notice().text();
                emit quiz.notice().clicked();
            }
        });
        clicker.start(20);
        bool visibleAfterClose = false;
        QTimer::singleShot(300, &quiz.window, [&] {
            QTest::keyClicks(&quiz.answerBox(), QStringLiteral("x"));
            QTest::keyClick(&quiz.answerBox(), Qt::Key_Return);
            QTest::mouseClick(quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
            quiz.window.close();
            visibleAfterClose = quiz.window.isVisible();
        });
        QElapsedTimer clock;
        clock.start();
        quiz.answer(quiz.expectedAnswer());
        QVERIFY(clock.elapsed() >= 1300);
        QCOMPARE(quiz.state().questionNumber, 2);
        QCOMPARE(quiz.answerBox().plainText(), QString());
        QVERIFY(visibleAfterClose && quiz.window.isVisible());

        QTRY_VERIFY(!quiz.window.isVisible());
        QVERIFY(!quiz.periodicTable.window());
        QTest::qWait(100);
        QCOMPARE(waitingNotices, QStringList());
        QCOMPARE(quiz.text("lblScore") + "/" + quiz.text("lblWrong"), "1 correct/");
    }
};

QTEST_MAIN(QuestionWindowTest)
#include "tst_questionwindow.moc"
