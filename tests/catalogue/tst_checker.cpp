#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray FaultyFile = "[Cations-monovalent]\r\n"
                              "sodium,Na,1\r\n"
                              "[cations-multivalent]\r\n"
                              "iron,Fe,x\r\n"
                              "lead,Pb\r\n"
                              "\r\n"
                              "[Covalent-complex]\r\n"
                              "water,H2O";

const QByteArray FaultyFindings = "3: Invalid datatype: [cations-multivalent]\n"
                                  "4: ionarch50: NAN:x\n"
                                  "5: warning: no charge field: line ignored\n"
                                  "CationsMonovalent: 1\n"
                                  "CationsMultivalent: 0\n"
                                  "AnionsSimple: 0\n"
                                  "AnionsPolyatomic: 0\n"
                                  "AnionsDerivative: 0\n"
                                  "AnionsHydrogen: 0\n"
                                  "AnionsOther: 0\n"
                                  "CovalentSimple: 0\n"
                                  "CovalentComplex: 1\n";

} // namespace

class CheckerTest : public QObject {
    Q_OBJECT

private slots:
    void checkerReportsTheFile_data() {
        QTest::addColumn<QByteArray>("ionsDat"); // null: no ions.dat in the working folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("findings in file order, then the counts")
            << FaultyFile << QStringList() << FaultyFindings << 0;
        QTest::addRow("listings after the counts")
            << FaultyFile << QStringList{"--listings", "ions.dat"}
            << FaultyFindings + "[help1]\n"
                                "CATIONS - MONOVALENT\n"
                                "sodium            Na    +1\n"
                                "[help2]\n"
                                "[helpC1]\n"
                                "[helpC2]\n"
                                "COVALENT - COMPLEX COMPOUNDS\n"
                                "water                    H2O      \n"
            << 0;
        QTest::addRow("a missing file is fatal")
            << QByteArray() << QStringList{"absent.dat"}
            << QByteArray("0: Program error:: File absent.dat doesn't exist.\\n ... exiting ...\n")
            << 1;
        QTest::addRow("an empty file is fatal")
            << QByteArray("") << QStringList()
            << QByteArray("0: Program error:: No data in IONS.DAT file.\n") << 1;
        QTest::addRow("two files are bad usage")
            << FaultyFile << QStringList{"a.dat", "b.dat"} << QByteArray() << 2;
        QTest::addRow("an unknown option is bad usage")
            << FaultyFile << QStringList{"--colour"} << QByteArray() << 2;
    }
    void checkerReportsTheFile() {
        QFETCH(QByteArray, ionsDat);
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        if (!ionsDat.isNull()) {
            QFile file(folder.filePath("ions.dat"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ionsDat);
        }
        QProcess checker;
        checker.setWorkingDirectory(folder.path());
        checker.start(QStringLiteral(IONARCH_CHECK_PATH), arguments);
        QVERIFY(checker.waitForFinished());
        QCOMPARE(checker.exitStatus(), QProcess::NormalExit);
        QTEST(checker.readAllStandardOutput(), "output");
        QTEST(checker.exitCode(), "exitCode");
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "tst_checker.moc"
