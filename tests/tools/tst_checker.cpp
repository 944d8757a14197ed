#include "tests/support/table.h"

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
        QFETCH(QStringList, row);
        QTemporaryDir folder;
        QFile ionsDat(folder.filePath("ions.dat"));
        QVERIFY(row[1] == "none" ||
                (ionsDat.open(QIODevice::WriteOnly) &&
                 ionsDat.write(row[1] == "course" ? tableFile("course.dat") : "") >= 0));
        ionsDat.close();
        QProcess checker;
        checker.setWorkingDirectory(folder.path());
        checker.start(QStringLiteral(IONARCH_CHECK_PATH), row[2].split(u' ', Qt::SkipEmptyParts));
        checker.write(cellBytes(row[3]));
        checker.closeWriteChannel();
        QVERIFY(checker.waitForFinished() && checker.exitStatus() == QProcess::NormalExit);
        QByteArray expected;
        for (const QString &file : row[4].split(u' ', Qt::SkipEmptyParts))
            expected += tableFile(file);
        QCOMPARE(checker.readAllStandardOutput(), expected);
        QCOMPARE(QString::number(checker.exitCode()), row[5]);
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "tst_checker.moc"
