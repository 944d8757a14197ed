#include "tests/support/core/table.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray tableFile(const QString &name) {
    QFile file(QStringLiteral(IONARCH_TEST_TABLES "/checker/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
                      row["arguments"].split(u' ', Qt::SkipEmptyParts));
        checker.write(cellBytes(row["standard input"]));
        checker.closeWriteChannel();
        QVERIFY(checker.waitForFinished() && checker.exitStatus() == QProcess::NormalExit);
        QByteArray expected;
        for (const QString &file : row["standard output"].split(u' ', Qt::SkipEmptyParts))
            expected += tableFile(file);
        QCOMPARE(checker.readAllStandardOutput(), expected);
        QCOMPARE(QString::number(checker.exitCode()), row["exit status"]);
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "tst_checker.moc"
