#include "dialogports.h"
#include "ionarchapplication.h"
#include "recordingsink.h"
#include "toplevelwindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

template <class Control = QWidget> Control *control(const char *window, const char *name) {
    return topLevelWindow(window)->findChild<Control *>(QLatin1String(name));
}

QStringList visibleWindows() {
    QStringList visible;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible << window->objectName();
    }
    visible.sort();
    return visible;
}

// Presses Start in the options window; the question window that opens becomes active.
QWidget *startQuiz() {
    QTest::mouseClick(control<QAbstractButton>("frmOpt", "cmdGo"), Qt::LeftButton);
    QWidget *questions = topLevelWindow("frmMain");
    return questions && QTest::qWaitForWindowActive(questions) ? questions : nullptr;
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::addRow("missing") << QByteArray() << "doesn't exist.\r\n ... exiting ...";
        QTest::addRow("empty") << QByteArray("") << "No data in IONS.DAT file.";
    }
    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow() {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        IonarchApplication application(m_sink, m_prompt);
        QCOMPARE(application.exec(dataFile(data)), 1);
        QCOMPARE(m_sink.shown.size(), 1);
        QVERIFY(m_sink.shown[0].text.endsWith(text));
        QCOMPARE(m_sink.shown[0].title, QStringLiteral("Program error:"));
        QCOMPARE(m_sink.shown[0].icon, MessageIcon::Error);
        QCOMPARE(m_sink.windowsOnScreen, QList<QStringList>{{}});
    }

    void loadedDataOpensTheOptionsWindowAndClosingItBeforeTheStartEnds() {
        IonarchApplication application(m_sink, m_prompt);
        QString shown;
        QTimer::singleShot(0, [&] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    shown += window->objectName();
                    window->close();
                }
            }
        });
        QCOMPARE(application.exec(dataFile("[Cations-monovalent]\r\nsodium,Na,1\r\n")), 0);
        QCOMPARE(shown, QStringLiteral("frmOpt"));
        QVERIFY(m_sink.shown.isEmpty());
    }

    void realMessageBoxShowsTheMessageWithNoAsTheDefault() {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            seen << box->windowTitle() << box->property("text").toString();
            QTest::keyClick(box, Qt::Key_Return); // the default button
        });
        const Message question{"Print?\r\nNow", "", MessageIcon::Question, MessageButtons::YesNo};
        QCOMPARE(DialogMessageSink().show(question), MessageAnswer::No);
        QCOMPARE(seen, (QStringList{"ionarch50", "Print?\nNow"}));
    }

    void startOpensTheQuestionWindowAndACovalentBoxShowsInItsHelpLabelOnReturn() {
        IonarchApplication application(m_sink, m_prompt);
        QVERIFY(application.start(QStringLiteral(IONARCH_SAMPLE_DATA)));
        QWidget *questions = startQuiz();
        QVERIFY(questions);
        QCOMPARE(visibleWindows(), (QStringList{"frmMain", "frmOpt", "frmPT"}));
        QVERIFY(!control<QTextEdit>("frmMain", "rtfQuestion")->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget(), control("frmMain", "rtfAnswer"));

        topLevelWindow("frmOpt")->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(topLevelWindow("frmOpt")));
        QTest::mouseClick(control<QAbstractButton>("frmOpt", "chkCov1"), Qt::LeftButton);
        questions->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(questions));
        QCOMPARE(control<QLabel>("frmMain", "lblHelp")->text(),
                 QStringLiteral(" HELP:\n  F1 = Help for\n  covalent compounds\n"
                                "  F3 = specific help"));
        QVERIFY(m_sink.shown.isEmpty());
    }

    // The quiz outlives the options window; the question window, closed while a notice waits
    // for its click, ends the wait and the program.
    void closingTheOptionsLeavesTheQuizWhoseWindowThenEndsTheProgram() {
        IonarchApplication application(m_sink, m_prompt);
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        watchdog.start(10000);
        QStringList shownWhileWaiting;
        QString notice;
        QTimer::singleShot(0, [&] {
            QWidget *questions = startQuiz();
            topLevelWindow("frmOpt")->close();
            QTimer::singleShot(0, questions, [&, questions] {
                shownWhileWaiting = visibleWindows();
                notice = control<QLabel>("frmMain", "lblResults")->text();
                questions->close();
            });
            QTest::mouseClick(control<QAbstractButton>("frmMain", "cmdGiveUp"), Qt::LeftButton);
        });
        QCOMPARE(application.exec(QStringLiteral(IONARCH_SAMPLE_DATA)), 0);
        QCOMPARE(shownWhileWaiting, QStringList{"frmMain"});
        QVERIFY(notice.startsWith(QStringLiteral("The correct answer is:")));
        QCOMPARE(visibleWindows(), QStringList());
    }

    void cleanup() { m_sink = {}; }

private:
    // The path of a data file holding data; a path to no file for a null data.
    QString dataFile(const QByteArray &data) {
        const QString path = m_folder.filePath(data.isNull() ? "none.dat" : "ions.dat");
        QFile file(path);
        if (!data.isNull() && !(file.open(QIODevice::WriteOnly) && file.write(data) == data.size()))
            qFatal("cannot write the data file");
        return path;
    }

    QTemporaryDir m_folder;
    RecordingSink m_sink;
    struct : TextPrompt {
        QString askText(const QString &, const QString &) override { return {}; }
    } m_prompt;
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
