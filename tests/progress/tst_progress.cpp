#include "quiz/answerkey.h"
#include "quiz/drawpool.h"
#include "quiz/practice/skills.h"
#include "tests/support/core/namedsettings.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "tools/sim/simulation.h"
#include "ui/ionarchapplication.h"
#include "ui/record/recorddatabase.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

struct NoPause final : Pause {
    void pause(int) override {}
};

// Saves the whole record where the test says.
struct SaveTo final : ResultsSaveDialog {
    QString path;
    std::optional<ResultsToSave> askResultsToSave(QWidget *) override {
        return ResultsToSave{path, {}, {}};
    }
};

// The same values in every run: the quiz reseeds its random values when it starts.
struct SeededRandom final : RandomSource {
    ClockSeededRandom values;
    float next() override { return values.next(); }
    void seedFromClock() override { values.seedWith(7); }
};

QVariant userSetting(const QString &key) {
    return QSettings(QSettings::UserScope, "Ionarch", "Ionarch").value(key);
}
void setUserSettings(bool practise, bool keep) {
    QSettings user(QSettings::UserScope, "Ionarch", "Ionarch");
    user.setValue("practiseWeakSpots", practise);
    user.setValue("keepRecord", keep);
}

void trigger(const char *command) {
    topLevelWindow("frmMain")->findChild<QAction *>(command)->trigger();
}
bool isChecked(const char *command) {
    return topLevelWindow("frmMain")->findChild<QAction *>(command)->isChecked();
}

int recordedTries(const QString &folder) {
    RecordingSink sink;
    NamePrompt prompt;
    return int(LearningRecord({folder, {}}, sink, prompt).attempts().size());
}

// A row of a table of the Progress window, its cells from the second on.
QString progressRow(const char *table, int row) {
    const QAbstractItemModel *model = control<QTableView>("frmProgress", table)->model();
    QStringList cells;
    for (int column = 1; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells.join(u' ');
}

void startQuiz(IonarchApplication &program) {
    QVERIFY(program.start(IONARCH_SAMPLE_DATA));
    click("frmOpt", "cmdGo");
    QVERIFY(waitUntilActive(topLevelWindow("frmMain")));
}

// A record in which the student has answered every question of the options as they open right
// at the first try, and then made ten mistakes that blame the weak skill.
bool writeRecordWeakIn(const QString &folder, const QString &weak, const QString &mistake) {
    const IonCatalogue sample = loadSampleCatalogue();
    const QuizSettings settings = settingsNamed("single", "simple", {}, "mixed");
    const DrawPool cations = DrawPool::cations(sample, settings.cationKind);
    const DrawPool anions = DrawPool::anions(sample, settings.anionMask);
    QStringList ions;
    for (const DrawPool *pool : {&cations, &anions}) {
        for (int row = 1; row <= pool->count(); ++row)
            ions << pool->entry(row).Name;
    }
    QList<Attempt> tries;
    std::optional<Question> weakQuestion;
    for (Question question : answerKeyQuestions(sample)) {
        if (!ions.contains(question.cationName) || !ions.contains(question.anionName))
            continue;
        for (const bool askName : {false, true}) {
            question.askName = askName;
            tries << tryAt(question, Verdict::Right, {}, int(tries.size()) + 1, {});
            if (!weakQuestion && Skills::exercisedBy(question).contains(weak))
                weakQuestion = question;
        }
    }
    for (int mistakes = 0; mistakes < 10 && weakQuestion; ++mistakes)
        tries << tryAt(*weakQuestion, Verdict::Wrong, mistake, int(tries.size()) + 1, {});
    RecordDatabase record("fixture");
    if (!weakQuestion || record.open(folder).access != RecordDatabase::Access::Writable)
        return false;
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-tries.size());
    for (qsizetype n = 0; n < tries.size(); ++n) {
        tries[n].time = start.addSecs(n);
        if (!record.append({{}, "0123456789ab", tries[n]}))
            return false;
    }
    return true;
}

// The questions of the first ten that needed the weak skill, in a quiz on that record with
// the options as they open.
int weakSpotsAsked(const QString &folder, const QString &weak) {
    RecordingSink sink;
    NamePrompt prompt;
    NoPause noPause;
    SeededRandom random;
    IonarchApplication program(sink, prompt, &noPause, {folder, {}}, nullptr, &random);
    startQuiz(program);
    int asked = 0;
    for (int question = 1; question <= 10; ++question) {
        asked += Skills::exercisedBy(quizState().question).contains(weak);
        typeKeys(expectedAnswer() + '\r');
    }
    return asked;
}

} // namespace

class ProgressTest : public QObject {
    Q_OBJECT
private slots:
    void theProgressMenuAndWindowDoWhatTheySay() {
        QTemporaryDir folder;
        SaveTo save;
        save.path = folder.filePath("saved.tsv");
        RecordingSink sink;
        NamePrompt prompt;
        NoPause noPause;
        setUserSettings(false, true);
        {
            IonarchApplication program(sink, prompt, &noPause, {folder.path(), {}}, &save);
            startQuiz(program);
            whenWaiting(topLevelWindow("frmMain"), [] { click("frmMain", "lblResults"); });
            typeKeys("Xyz\r");
            control<QTextEdit>("frmMain", "rtfAnswer")->clear();
            for (int question = 1; question <= 3; ++question)
                typeKeys(expectedAnswer() + '\r');
            pressKey(Qt::Key_P, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
            QVERIFY(waitUntilActive(topLevelWindow("frmProgress")));
            // Questions, right, right at the first try, given up.
            QCOMPARE(progressRow("tblSeries", 0), "3 3 2 0");
            QTRY_COMPARE(recordedTries(folder.path()), 4);
            trigger("mnuSaveResults");
            QFile saved(save.path);
            QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().count('\n') == 2 + 4);

            // The menu, the window's check box, the line beside the menus and the settings go
            // together, and the question window keeps its layout.
            const QRect client = control("frmMain", "client")->geometry();
            trigger("mnuPractise");
            QVERIFY(control<QCheckBox>("frmProgress", "chkPractise")->isChecked());
            QVERIFY(control("frmMain", "lblPractising")->isVisible());
            click("frmProgress", "chkPractise");
            QVERIFY(!isChecked("mnuPractise") && !control("frmMain", "lblPractising")->isVisible());
            click("frmProgress", "chkPractise");
            QVERIFY(isChecked("mnuPractise") && userSetting("practiseWeakSpots").toBool());
            QCOMPARE(control("frmMain", "client")->geometry(), client);

            sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
            trigger("mnuForgetRecord");
            QCOMPARE(recordedTries(folder.path()), 4);
            trigger("mnuForgetRecord");
            QCOMPARE(recordedTries(folder.path()), 0);
            QCOMPARE(sink.shown.size(), 2); // the two questions
            QVERIFY(control<QLabel>("frmProgress", "lblSummary")->text().startsWith("No tries"));

            trigger("mnuKeepRecord");
            topLevelWindow("frmMain")->activateWindow();
            QVERIFY(waitUntilActive(topLevelWindow("frmMain")));
            typeKeys(expectedAnswer() + '\r');
            trigger("mnuShowProgress"); // this run's tries, kept or not
            QCOMPARE(progressRow("tblSeries", 0), "1 1 1 0");

            // Tab visits every part of the window, the picture too; Escape closes it.
            QVERIFY(waitUntilActive(topLevelWindow("frmProgress")));
            control("frmProgress", "chkPractise")->setFocus();
            QStringList stops;
            for (int stop = 0; stop < 7; ++stop) {
                pressKey(Qt::Key_Tab);
                stops << focusedControl();
            }
            QCOMPARE(stops, QStringList({"tblSkills", "tblSeries", "picMistakes", "tblMistakes",
                                         "cmdSave", "cmdClose", "chkPractise"}));
            pressKey(Qt::Key_Escape);
            QVERIFY(!topLevelWindow("frmProgress")->isVisible());
        }
        QCOMPARE(recordedTries(folder.path()), 0);
        IonarchApplication again(sink, prompt, &noPause, {folder.path(), {}}, &save);
        startQuiz(again);
        QVERIFY(isChecked("mnuPractise") && !isChecked("mnuKeepRecord"));
    }

    void weakSpotsOfTheRecordComeBackOftenerWithPractice_data() {
        QTest::addColumn<QString>("weak");
        QTest::addColumn<QString>("mistake");
        QTest::addRow("an ion") << "cation:gallium"
                                << "wrong-ion";
        QTest::addRow("a rule") << "rule:balance"
                                << "charges-unbalanced";
    }
    void weakSpotsOfTheRecordComeBackOftenerWithPractice() {
        QFETCH(QString, weak);
        QFETCH(QString, mistake);
        QTemporaryDir home;
        QVERIFY(writeRecordWeakIn(home.filePath("record"), weak, mistake));
        QList<int> asked;
        for (const bool practise : {false, true}) {
            const QString folder = home.filePath(practise ? "practised" : "drawn");
            QVERIFY(QDir().mkpath(folder) && QFile::copy(home.filePath("record/history.sqlite"),
                                                         folder + "/history.sqlite"));
            setUserSettings(practise, true);
            asked << weakSpotsAsked(folder, weak);
        }
        QVERIFY2(asked[1] >= 3 * std::max(asked[0], 1),
                 qPrintable(QString("%1 with practice, %2 without").arg(asked[1]).arg(asked[0])));
    }
};

int main(int argc, char *argv[]) {
    // Never the real home folder: the data and settings of a temporary one.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ProgressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_progress.moc"
