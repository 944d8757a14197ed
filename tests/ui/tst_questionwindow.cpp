#include "inputblockingpause.h"
#include "questionwindowfixture.h"
#include "textdisplay.h"

#include <QElapsedTimer>
#include <QMenuBar>

namespace {

enum class Action { Answer, WrongAnswer, GiveUp, CloseBox, ExitCommand, CloseWhileWaiting };

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
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.get<QTextEdit>("rtfQuestion")->toPlainText(),
                 quiz.state().answerLog[1].shown);
        QCOMPARE(quiz.text("lblHelp"), QStringLiteral(" HELP:\n  F1 = cation help\n"
                                                      "  F2 = anion help\n  F3 = specific help"));
        QCOMPARE(quiz.text("lblScore") + quiz.text("lblWrong") + quiz.notice().text(), QString());
        QCOMPARE(QApplication::focusWidget(), &quiz.answerBox());
        QStringList focusOrder;
        for (QWidget *stop = &quiz.answerBox(); focusOrder.size() < 4;
             stop = stop->nextInFocusChain()) {
            if (stop->focusPolicy() & Qt::TabFocus)
                focusOrder << stop->objectName();
        }
        QCOMPARE(focusOrder, (QStringList{"rtfAnswer", "rtfQuestion", "cmdGiveUp", "cmdChkAns"}));
    }

    void outcomesShowTheirNoticeScoreAndLog_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("notice"); // %1 the name, %2 the formula
        QTest::addColumn<QString>("scores");
        QTest::addColumn<QString>("logged");
        QTest::addRow("correct") << Action::Answer << QColor(0, 128, 0) << "CORRECT!\n%1 = %2"
                                 << "1 correct/"
                                 << "Y";
        QTest::addRow("incorrect") << Action::WrongAnswer << QColor(0, 0, 128)
                                   << "Incorrect answer, try again.\n(Check spelling.)\n"
                                      "     > CLICK HERE <"
                                   << "/"
                                   << "";
        QTest::addRow("given up") << Action::GiveUp << QColor(128, 0, 0)
                                  << "The correct answer is:\n%1 = %2\n     > CLICK HERE <"
                                  << "/1 wrong"
                                  << "N";
    }
    void outcomesShowTheirNoticeScoreAndLog() {
        QFETCH(Action, action);
        QFETCH(QColor, colour);
        QFETCH(QString, notice);
        QFETCH(QString, scores);
        QFETCH(QString, logged);
        QuestionWindow quiz;
        const Question question = quiz.state().question;
        auto seen = std::make_shared<SeenNotice>();
        if (action == Action::Answer) {
            quiz.instantPause.during = [&] { *seen = quiz.seeNotice(); };
            quiz.answer(quiz.expectedAnswer());
        } else if (action == Action::WrongAnswer) {
            seen = quiz.clickNoticeWhenItWaits();
            QTest::keyClicks(&quiz.answerBox(), QStringLiteral("xyz"));
            QTest::mouseClick(quiz.get<QPushButton>("cmdChkAns"), Qt::LeftButton);
        } else {
            seen = quiz.clickNoticeWhenItWaits();
            QTest::mouseClick(quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
        }
        notice.replace("%1", question.compoundName).replace("%2", question.formula);
        QCOMPARE(seen->text, notice);
        QCOMPARE(seen->colour, colour);
        QVERIFY(seen->painted);
        QCOMPARE(seen->inputsEnabled, action == Action::Answer);

        QCOMPARE(quiz.text("lblScore") + "/" + quiz.text("lblWrong"), scores);
        QCOMPARE(quiz.state().answerLog[1].outcome, logged);
        QCOMPARE(quiz.state().questionNumber, action == Action::WrongAnswer ? 1 : 2);
        QCOMPARE(quiz.answerBox().plainText(), action == Action::WrongAnswer ? "xyz" : "");
        QCOMPARE(quiz.seeNotice().text, QString());
        QVERIFY(quiz.seeNotice().inputsEnabled);
        QCOMPARE(QApplication::focusWidget(), &quiz.answerBox());
    }

    void helpKeysAndAboutOpenTheirTopicsAndF3MarksTheQuestion_data() {
        QTest::addColumn<int>("covalentMask");
        QTest::addColumn<int>("key");         // 0: the About command
        QTest::addColumn<QString>("heading"); // empty: no help opens
        QTest::addRow("ionic F1") << 0 << int(Qt::Key_F1) << "List of Cations used";
        QTest::addRow("ionic F2") << 0 << int(Qt::Key_F2) << "List of Anions used";
        QTest::addRow("ionic F3") << 0 << int(Qt::Key_F3) << "Help for this specific question";
        QTest::addRow("covalent F1") << 1 << int(Qt::Key_F1) << "Help for covalent naming";
        QTest::addRow("covalent F2") << 1 << int(Qt::Key_F2) << "";
        QTest::addRow("covalent F3")
            << 3 << int(Qt::Key_F3) << "List of all complex covalent compounds";
        QTest::addRow("About") << 2 << 0 << "About Ionarch: version 5.1.0";
    }
    void helpKeysAndAboutOpenTheirTopicsAndF3MarksTheQuestion() {
        QFETCH(int, covalentMask);
        QFETCH(int, key);
        QFETCH(QString, heading);
        QuestionWindow quiz(
            {SingleOxidationState, SimpleAnions, qint16(covalentMask), MixedDirections});
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
        if (covalentMask == 0 && key == Qt::Key_F3)
            QCOMPARE(shownText, withDisplayLineBreaks(quiz.window.quiz().help3()));
        QCOMPARE(quiz.state().answerLog[1].helpMark, key == Qt::Key_F3 ? "F3" : "");
    }

    void closingUnloadsThePeriodicTableOptionsAndHelpInThatOrder_data() {
        QTest::addColumn<Action>("action");
        QTest::addRow("close box") << Action::CloseBox;
        QTest::addRow("Exit command") << Action::ExitCommand;
        QTest::addRow("close box while a notice waits") << Action::CloseWhileWaiting;
    }
    void closingUnloadsThePeriodicTableOptionsAndHelpInThatOrder() {
        QFETCH(Action, action);
        QuestionWindow quiz;
        quiz.options.show();
        CloseLog log;
        log.watch(*quiz.periodicTable.window());
        log.watch(quiz.options);
        log.watch(quiz.help);
        if (action == Action::ExitCommand) {
            clickMenu(quiz.window, "mnuExit");
        } else if (action == Action::CloseBox) {
            quiz.window.close();
        } else {
            QTimer::singleShot(0, &quiz.window, &QWidget::close);
            // Should the wait go on, this click ends it, and the outcome shows.
            QTimer::singleShot(500, &quiz.notice(), &NoticeLabel::clicked);
            QTest::mouseClick(quiz.get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
        }
        QCOMPARE(log.order.mid(0, 3), (QStringList{"frmPT", "frmOpt", "frmHelp"}));
        QVERIFY(!quiz.window.isVisible() && !quiz.options.isVisible());
        QCOMPARE(quiz.state().questionNumber, 1);
        QCOMPARE(quiz.state().answerLog[1].outcome + quiz.text("lblWrong"), QString());
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

        QTRY_VERIFY(!quiz.window.isVisible() && !quiz.periodicTable.window());
        QTest::qWait(100);
        QCOMPARE(waitingNotices, QStringList());
        QCOMPARE(quiz.text("lblScore") + "/" + quiz.text("lblWrong"), "1 correct/");
    }
};

QTEST_MAIN(QuestionWindowTest)
#include "tst_questionwindow.moc"
