#include "tests/support/core/table.h"
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "ui/ionarchapplication.h"
#include "ui/record/handin.h"
#include "ui/record/learningrecord.h"
#include "ui/record/recorddatabase.h"
#include "ui/record/recordwriter.h"
#include "ui/system/dialogports.h"
#include "ui/system/inputblockingpause.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

Attempt attempt(int series, int question, const QString &typed,
                const QDateTime &time = QDateTime::currentDateTimeUtc()) {
    Attempt made;
    made.time = time;
    made.series = series;
    made.question = question;
    made.typed = typed;
    return made;
}

// The first value a statement gives on the record in the folder, through a connection of its
// own, as another program would see the file.
QString sql(const QString &folder, const QString &statement) {
    QString value;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "inspection");
        database.setDatabaseName(QDir(folder).filePath(RecordDatabase::FileName));
        QSqlQuery query(database);
        if (database.open() && query.exec(statement) && query.next())
            value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("inspection");
    return value;
}

// One run of the program's record: opened as the quiz starts, one try, closed.
QList<Message> recordOnce(const QString &folder) {
    RecordingSink sink;
    NamePrompt prompt;
    {
        LearningRecord record({folder, {}}, sink, prompt);
        record.open(IONARCH_SAMPLE_DATA);
        record.recordAttempt(attempt(1, 1, "Na2O"));
    }
    return sink.shown;
}

// A copy of the program in a child process: count tries, each a series of its own, typed as
// the tag, written one by one; prints how many are stored after each.
int recordAsCopy(const QString &folder, int count, const QString &tag) {
    RecordWriter writer(folder, {}, {});
    writer.open(true);
    for (int n = 0; n < count; ++n) {
        writer.store(attempt(n + 1, 1, tag));
        std::printf("%d\n", n + 1);
        std::fflush(stdout);
    }
    writer.close();
    return 0;
}

QProcess *startCopy(QObject *parent, const QString &folder, int count, const QString &tag) {
    auto *copy = new QProcess(parent);
    copy->start(QCoreApplication::applicationFilePath(),
                {"--copy", folder, QString::number(count), tag});
    return copy;
}

struct NoPause final : Pause {
    void pause(int) override {}
};

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void theRecordOpensWhateverItFinds_data() { addTableRows("recordstates.tsv"); }
    void theRecordOpensWhateverItFinds() {
        QFETCH(TableRow, row);
        QTemporaryDir home;
        QString folder = home.filePath("ionarch");
        const QString found = row["found"];
        QFile file(QDir(folder).filePath(RecordDatabase::FileName));
        if (found == "under a file") {
            QFile(home.filePath("file")).open(QIODevice::WriteOnly);
            folder = home.filePath("file/ionarch");
        } else if (found == "empty" || found == "garbage") {
            QVERIFY(QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
                    file.write(found == "empty" ? "" : QByteArray(6000, 'x')) >= 0);
        } else if (found != "none") {
            recordOnce(folder);
        }
        if (found == "page overwritten")
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096) &&
                    file.write(QByteArray(4096, '\xff')) == 4096);
        if (found == "newer")
            sql(folder, "PRAGMA user_version = 2");
        file.close();

        const QList<Message> notices = recordOnce(folder);
        QCOMPARE(notices.size(), row["notice"].isEmpty() ? 0 : 1);
        QVERIFY(row["notice"].isEmpty() || notices[0].text.contains(row["notice"]));
        QCOMPARE(QDir(folder)
                     .entryList(QDir::Files)
                     .join(' ')
                     .replace(QRegularExpression("\\d{4}-\\d\\d-\\d\\d_\\d{6}"), "DATE"),
                 row["files after"]);
        QCOMPARE(sql(folder, "SELECT group_concat(series, ' ') FROM tries"), row["series after"]);
    }

    void twoCopiesWritingAtOnceLoseNoTryAndShareNoSeries() {
        QTemporaryDir folder;
        const QList<QProcess *> copies{startCopy(this, folder.path(), 500, "first"),
                                       startCopy(this, folder.path(), 500, "second")};
        for (QProcess *copy : copies)
            QVERIFY(copy->waitForFinished(300000) && copy->exitCode() == 0);
        QCOMPARE(sql(folder.path(), "PRAGMA integrity_check"), "ok");
        QCOMPARE(sql(folder.path(), "PRAGMA journal_mode"), "delete");
        QCOMPARE(sql(folder.path(), "SELECT count(*) FROM tries"), "1000");
        // A series of one try each, so that the copies often take a new number at the same
        // moment: 1,000 numbers.
        QCOMPARE(sql(folder.path(), "SELECT count(DISTINCT series) FROM tries"), "1000");
    }

    void aCopyKilledWhileWritingLosesAtMostTheTryBeingWritten() {
        QTemporaryDir folder;
        QProcess *copy = startCopy(this, folder.path(), 1000000, "killed");
        QByteArray printed;
        while (printed.count('\n') < 100 && copy->waitForReadyRead(30000))
            printed += copy->readAllStandardOutput();
        copy->kill(); // SIGKILL
        QVERIFY(copy->waitForFinished());
        printed += copy->readAllStandardOutput();
        const int stored = printed.trimmed().split('\n').last().toInt();
        QVERIFY(stored >= 100);
        QCOMPARE(sql(folder.path(), "PRAGMA integrity_check"), "ok");
        const int rows = sql(folder.path(), "SELECT count(*) FROM tries").toInt();
        QVERIFY2(rows == stored || rows == stored + 1, qPrintable(QString::number(rows)));
    }

    void aStudentsNameNeverWritesOutsideTheHandInFolder_data() { addTableRows("handinnames.tsv"); }
    void aStudentsNameNeverWritesOutsideTheHandInFolder() {
        QFETCH(TableRow, row);
        QTemporaryDir parent;
        const QString folder = parent.filePath("hand-in");
        QVERIFY(QDir().mkpath(folder));
        const QString name =
            HandIn::fileName(cellText(row["student"]), QDateTime({2025, 3, 14}, {10, 15, 59}));
        QCOMPARE(name, cellText(row["file name"]));
        const QByteArray text =
            HandIn::resultsText({{cellText(row["student"]), "0123456789ab", attempt(7, 1, "x")}});
        QString error;
        for (const char *suffix : {"", "-2"}) { // the same minute again: another file
            const QString path = HandIn::write(folder, name, text, &error);
            QCOMPARE(path, folder + '/' + QString(name).replace(".tsv", suffix + QString(".tsv")));
        }
        QFile file(folder + '/' + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(ResultsFile::kindOf(lines[0]), ResultsFile::Kind::Results);
        QCOMPARE(ResultsFile::parseLine(QString::fromUtf8(lines[2]))->student,
                 cellText(row["in the file"]));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void aSeriesPlayedThroughTheWindowsIsRecordedAndHandedIn_data() {
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("handIn");      // the folder given by: option, system, none
        QTest::addColumn<QStringList>("written"); // files in the data and hand-in folders
        QTest::addRow("kept, handed in by the option")
            << true << "option" << QStringList{"history.sqlite", "last-series", "handed in"};
        QTest::addRow("not kept, handed in by the system's settings")
            << false << "system" << QStringList{"last-series", "handed in"};
        QTest::addRow("not kept, nowhere to hand in: no file at all")
            << false << "none" << QStringList();
    }
    void aSeriesPlayedThroughTheWindowsIsRecordedAndHandedIn() {
        QFETCH(bool, kept);
        QFETCH(QString, handIn);
        QTemporaryDir teacher;
        QSettings user(QSettings::UserScope, "Ionarch", "Ionarch");
        user.setValue("keepRecord", kept);
        user.remove("studentName");
        user.sync();
        QSettings system(QSettings::SystemScope, "Ionarch", "Ionarch");
        system.setValue("handInFolder", handIn == "system" ? teacher.path() : QString());
        system.sync();
        const RecordFolders folders =
            RecordFolders::ofProgram(handIn == "option" ? teacher.path() : QString());
        QVERIFY(QDir(folders.record).removeRecursively());
        RecordingSink sink;
        sink.answers = {MessageAnswer::No}; // no printing
        NamePrompt prompt;
        NoPause noPause;
        {
            IonarchApplication program(sink, prompt, &noPause, folders);
            QVERIFY(program.start(IONARCH_SAMPLE_DATA));
            click("frmOpt", "cmdGo");
            QVERIFY(waitUntilActive(topLevelWindow("frmMain")));
            whenWaiting(topLevelWindow("frmMain"), [] { click("frmMain", "lblResults"); });
            typeKeys("Xyz\r");
            control<QTextEdit>("frmMain", "rtfAnswer")->clear();
            for (int question = 1; question <= 20; ++question)
                typeKeys(expectedAnswer() + '\r');
            QCOMPARE(quizState().questionNumber, 1); // the second series has begun
        }
        QStringList written = QDir(folders.record).entryList(QDir::Files);
        const QStringList handedIn = QDir(teacher.path()).entryList(QDir::Files);
        if (!handedIn.isEmpty())
            written << "handed in";
        QTEST(written, "written");
        QCOMPARE(prompt.asked, handedIn.size());
        QCOMPARE(sink.shown.size(), 1); // the print offer alone
        QList<ResultsFile::Row> tries = LearningRecord(folders, sink, prompt).attempts();
        if (!handedIn.isEmpty()) {
            QFile file(teacher.filePath(handedIn.value(0)));
            QVERIFY(handedIn.size() == 1 && handedIn[0].startsWith("Jessica_") &&
                    file.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            for (ResultsFile::Row &tried : tries) // the record's tries, numbered alike
                tried.student = "Jessica";
            for (const QByteArray &line : text.trimmed().split('\n').mid(2))
                kept ? void() : tries.append(*ResultsFile::parseLine(QString::fromUtf8(line)));
            QCOMPARE(text, HandIn::resultsText(tries));
        }
        if (handIn == "none")
            return;
        QCOMPARE(QList({int(tries.size()), int(tries.value(0).attempt.verdict),
                        tries.value(20).attempt.question}),
                 QList({21, int(Verdict::Wrong), 20}));
        QFile sample(IONARCH_SAMPLE_DATA);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QCOMPARE(tries[0].dataFile,
                 QCryptographicHash::hash(sample.readAll(), QCryptographicHash::Sha256)
                     .toHex()
                     .left(12));
    }

    void savedResultsKeepToTheirDatesAndForgettingAsksFirst() {
        QTemporaryDir folder;
        RecordingSink sink;
        NamePrompt prompt;
        QSettings(QSettings::UserScope, "Ionarch", "Ionarch").setValue("studentName", "Jessica");
        const auto firstOf = [](int month) { return QDateTime({2025, month, 1}, {}, Qt::UTC); };
        LearningRecord record({folder.path(), {}}, sink, prompt);
        record.setKept(true); // after the window case that turned it off
        record.open(IONARCH_SAMPLE_DATA);
        for (int month = 1; month <= 3; ++month)
            record.recordAttempt(attempt(1, month, "x", firstOf(month)));
        QVERIFY(QTest::qWaitFor([&] { return record.attempts().size() == 3; }));
        QString error;
        QVERIFY(record.saveResults(folder.filePath("saved"), firstOf(2), firstOf(3), &error));
        QFile saved(folder.filePath("saved"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = saved.readAll().split('\n');
        const auto row = ResultsFile::parseLine(QString::fromUtf8(lines.value(2)));
        QVERIFY(lines.size() == 4 && row->student == "Jessica" && row->attempt.question == 2);
        QFile(folder.filePath("history.damaged-2025-01-01_000000.sqlite"))
            .open(QIODevice::WriteOnly);
        sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
        QVERIFY(!record.forget() && record.attempts().size() == 3);
        QVERIFY(record.forget() && record.attempts().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList({"history*"}), QStringList("history.sqlite"));
    }

    // The record's notices arrive from its thread at any time, also during the pause after a
    // right answer.
    void aNoticeThatOpensDuringThePauseTakesItsKeys() {
        MessageAnswer answer = MessageAnswer::Ok;
        QTimer::singleShot(50, [&] {
            inModalWindow([] { pressKey(Qt::Key_Return); });
            QTimer::singleShot(1000, [] { // Enter dropped: the box goes, unanswered
                if (QWidget *box = QApplication::activeModalWidget())
                    box->hide();
            });
            answer = DialogMessageSink().show({"a notice", "", {}, MessageButtons::YesNo});
        });
        InputBlockingPause().pause(100);
        QCOMPARE(answer, MessageAnswer::No); // its default button
    }
};

int main(int argc, char *argv[]) {
    if (argc == 5 && QByteArray(argv[1]) == "--copy") {
        QCoreApplication copy(argc, argv);
        return recordAsCopy(argv[2], QByteArray(argv[3]).toInt(), argv[4]);
    }
    // Never the real home folder: the data and settings of a temporary one, and the system's
    // settings in it too.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, home.filePath("etc"));
    QApplication application(argc, argv);
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
