#include "tests/support/core/table.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString CheckerTables = QStringLiteral(IONARCH_TEST_TABLES "/checker/");

QByteArray tableFile(const QString &name) {
    QFile file(CheckerTables + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray tableFiles(const QString &names) {
    QByteArray joined;
    for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
        joined += tableFile(name);
    return joined;
}

} // namespace

class CheckerTest : public QObject {
    Q_OBJECT

private slots:
    void checkerReportsTheFile_data() { addTableRows("checker.tsv"); }
    void checkerReportsTheFile() {
        QFETCH(TableRow, row);
        QTemporaryDir folder;
        QFile ionsDat(folder.filePath("ions.dat"));
        QVERIFY(row["ions.dat"] == "none" ||
                (ionsDat.open(QIODevice::WriteOnly) &&
                 ionsDat.write(row["ions.dat"] == "course" ? tableFile("course.dat") : "") >= 0));
        ionsDat.close();
        QProcess checker;
        checker.setWorkingDirectory(folder.path());
        checker.start(QStringLiteral(IONARCH_CHECK_PATH),
                      row["arguments"]
                          .replace(QStringLiteral("{tables}/"), CheckerTables)
                          .split(u' ', Qt::SkipEmptyParts));
        checker.write(cellBytes(row["standard input"]));
        checker.closeWriteChannel();
        QVERIFY(checker.waitForFinished() && checker.exitStatus() == QProcess::NormalExit);
        QCOMPARE(checker.readAllStandardOutput(), tableFiles(row["standard output"]));
        if (row["standard error"] != QStringLiteral("-"))
            QCOMPARE(checker.readAllStandardError(), tableFiles(row["standard error"]));
        QCOMPARE(QString::number(checker.exitCode()), row["exit status"]);
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "tst_checker.moc"
