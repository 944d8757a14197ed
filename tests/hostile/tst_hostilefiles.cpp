#include "hostilefiles.h"
#include "ionarchapplication.h"
#include "iontableinfo.h"
#include "loader.h"
#include "recordingsink.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Counts = QList<int>;

// The checker's report split into its parts: findings, then the nine counts, then listings.
struct CheckerReport {
    int exitCode = -1;
    qint64 messages = 0;
    qint64 warnings = 0;
    QByteArray lastFinding;
    Counts counts;
    QByteArray rest;
};

// The checker runs beside the program, its report going to a file: a million lines would
// fill a pipe long before the test got round to reading it.
class CheckerRun {
public:
    CheckerRun(const QString &dataPath, const QString &reportPath)
        : m_reportPath(reportPath) {
        m_process.setStandardOutputFile(reportPath);
        m_process.start(QStringLiteral(IONARCH_CHECK_PATH),
                        {QStringLiteral("--listings"), dataPath});
    }

    CheckerReport finish() {
        CheckerReport report;
        if (!m_process.waitForFinished(-1) || m_process.exitStatus() != QProcess::NormalExit)
            return report;
        report.exitCode = m_process.exitCode();
        QFile file(m_reportPath);
        if (!file.open(QIODevice::ReadOnly))
            return report;
        const QByteArray firstCount = QByteArray(IonTables[0].name) + ": ";
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            if (report.counts.isEmpty() && !line.startsWith(firstCount)) {
                ++(line.contains(": warning: ") ? report.warnings : report.messages);
                report.lastFinding = line;
            } else if (report.counts.size() < IonTableCount) {
                report.counts << line.sliced(line.indexOf(':') + 1).trimmed().toInt();
            } else {
                report.rest += line;
            }
        }
        return report;
    }

private:
    QString m_reportPath;
    QProcess m_process;
};

QStringList visibleWindows() {
    QStringList visible;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible << window->objectName();
    }
    return visible;
}

QByteArray finding(qint64 line, const QByteArray &text) {
    return QByteArray::number(line) + ": " + text + '\n';
}

struct NoPrompt final : TextPrompt {
    QString askText(const QString &, const QString &) override { return {}; }
};

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void programAndCheckerReadTheWholeFile_data() {
        using namespace Qt::StringLiterals;
        QTest::addColumn<HostileKind>("kind");
        QTest::addColumn<qint64>("messages");
        QTest::addColumn<qint64>("warnings");
        QTest::addColumn<Counts>("counts");
        QTest::addColumn<QByteArray>("lastFinding");
        QTest::addColumn<QByteArray>("listed"); // in the checker's listings
        const auto add = [](HostileKind kind, qint64 messages, qint64 warnings,
                            const Counts &counts, const QByteArray &lastFinding,
                            const QByteArray &listed) {
            QTest::addRow("%s", hostileFile(kind).name)
                << kind << messages << warnings << counts << lastFinding << listed;
        };
        const auto blocks = [](HostileKind kind) { return hostileFile(kind).repetitions; };
        const Counts full(IonTableCount, IonCategory::Capacity);
        // Nine sections of a header and forty entries with a comment each, then the blocks.
        const qint64 mixed = blocks(HostileKind::Mixed50MB);
        add(HostileKind::Mixed50MB, 2 * mixed, mixed, full,
            finding(9 * 81 + 4 * mixed, "Invalid datatype: [covalent-complex]"),
            "compound                 XY       \n");
        // The runaway field is quoted by its start and its length.
        add(HostileKind::Line10MB, 0, 1, Counts(IonTableCount),
            finding(1, "warning: the charge field \" " + QByteArray(59, '1') +
                           "...\" (10000001 characters) holds a character other than the "
                           "digits 0 to 9: line ignored"),
            "[help1]\n[help2]\n[helpC1]\n[helpC2]\n");
        add(HostileKind::NulBytes, 3 * blocks(HostileKind::NulBytes), 0,
            {IonCategory::Capacity, 0, 0, 0, 0, 0, 0, 0, 0},
            finding(41 + 3 * blocks(HostileKind::NulBytes),
                    "Invalid datatype: [Cations-\0monovalent]"_ba),
            "sod\0ium           Na    +1\n"_ba);
        add(HostileKind::Windows1252, 2 * blocks(HostileKind::Windows1252), 0,
            {0, IonCategory::Capacity, 0, 0, 0, 0, 0, 0, 0},
            finding(41 + 3 * blocks(HostileKind::Windows1252), "Invalid datatype: [€]"),
            "železo            Fe     +2 +3\n");
        add(HostileKind::MillionComments, 1, 0, {0, 0, 1, 0, 0, 0, 0, 0, 0},
            finding(1'000'003, "ionarch50: NAN:x"), "chloride             Cl      -1\n");
        add(HostileKind::MillionInvalidHeaders, 1'000'000, 0, {0, 0, 2, 0, 0, 0, 0, 0, 0},
            finding(1'000'002, "Invalid datatype: [Anions-Simple]"),
            "oxide                O       -2\n");
        add(HostileKind::CrOnly, blocks(HostileKind::CrOnly), 0,
            {IonCategory::Capacity, 0, 0, 0, 0, 0, 0, 0, 0},
            finding(41 + 2 * blocks(HostileKind::CrOnly),
                    "ERROR: Data Overflow 41: There is a maximum of 40 ions in any one category"),
            "sodium            Na    +1\n");
        add(HostileKind::MixedLineEnds, 1, 0, {3, 0, 0, 0, 0, 0, 0, 0, 0},
            finding(9, "Invalid datatype: [bad]"), "lithium           Li    +1\n");
    }
    void programAndCheckerReadTheWholeFile() {
        QFETCH(HostileKind, kind);
        QFETCH(qint64, messages);
        const HostileFile &file = hostileFile(kind);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ions.dat"));
        QVERIFY(writeHostileFile(file, file.repetitions, path));
        CheckerRun checker(path, folder.filePath(QStringLiteral("report.txt")));

        RecordingSink sink;
        NoPrompt prompt;
        {
            IonarchApplication application(sink, prompt);
            QVERIFY(application.start(path));
            QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmOpt")});
        }
        // Twenty boxes, then one that counts the rest.
        constexpr int Limit = MessageBoxDiagnostics::BoxLimit;
        QCOMPARE(sink.shown.size(), messages > Limit ? Limit + 1 : messages);
        if (messages > Limit)
            QVERIFY2(sink.shown.last().text.contains(
                         QStringLiteral(" %1 more problem").arg(messages - Limit)),
                     qPrintable(sink.shown.last().text));

        const CheckerReport report = checker.finish();
        QCOMPARE(report.exitCode, 0);
        QCOMPARE(report.messages, messages);
        QTEST(report.warnings, "warnings");
        QTEST(report.counts, "counts");
        QFETCH(QByteArray, lastFinding);
        QCOMPARE(report.lastFinding, lastFinding);
        QFETCH(QByteArray, listed);
        QVERIFY(report.rest.contains(listed));
    }

    void unreadablePathEndsTheProgramAndTheChecker_data() {
        QTest::addColumn<bool>("folder");
        QTest::addRow("a folder") << true;
        QTest::addRow("no read permission") << false;
    }
    void unreadablePathEndsTheProgramAndTheChecker() {
        QFETCH(bool, folder);
        const QTemporaryDir temporary;
        const QString path = temporary.filePath(QStringLiteral("ions.dat"));
        if (folder) {
            QVERIFY(QDir(temporary.path()).mkdir(QStringLiteral("ions.dat")));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Anions-simple]\r\n") > 0);
            file.close();
            QVERIFY(file.setPermissions({}));
            if (file.open(QIODevice::ReadOnly))
                QSKIP("This user reads files without read permission (root): nothing to refuse.");
        }
        CheckerRun checker(path, temporary.filePath(QStringLiteral("report.txt")));

        RecordingSink sink;
        NoPrompt prompt;
        IonarchApplication application(sink, prompt);
        QVERIFY(!application.start(path));
        QCOMPARE(sink.shown.size(), 1);
        const Message &box = sink.shown.first();
        QCOMPARE(box.title, QStringLiteral("Program error:"));
        QVERIFY2(box.text.startsWith(QStringLiteral("File %1 can't be read: ").arg(path)),
                 qPrintable(box.text));
        QCOMPARE(sink.windowsOnScreen, QList<QStringList>{{}});

        const CheckerReport report = checker.finish();
        QCOMPARE(report.exitCode, 1);
        QCOMPARE(report.lastFinding,
                 finding(0, "Program error:: " + box.text.toUtf8().replace("\r\n", "\\n")));
        QCOMPARE(report.messages, 1);
    }
};

QTEST_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
