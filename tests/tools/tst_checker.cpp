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

const QByteArray SmallCourse = "[Cations-monovalent]\r\n"
                              "sodium,Na,1\r\n"
                              "[Cations-multivalent]\r\n"
                              "iron,Fe,23\r\n"
                              "[Anions-simple]\r\n"
                              "chloride,Cl,1\r\n"
                              "oxide,O,2\r\n"
                              "[Anions-polyatomic]\r\n"
                              "sulfate,SO4,2\r\n"
                              "[Covalent-simple]\r\n"
                              "hydrogen,H,1\r\n"
                              "carbon,C,4\r\n"
                              "[Covalent-complex]\r\n"
                              "hydrogen chloride,HCl\r\n"
                              "water,H2O\r\n";

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
        QTest::addRow("answer key after the counts")
            << SmallCourse << QStringList{"--compounds"}
            << QByteArray("CationsMonovalent: 1\n"
                          "CationsMultivalent: 1\n"
                          "AnionsSimple: 2\n"
                          "AnionsPolyatomic: 1\n"
                          "AnionsDerivative: 0\n"
                          "AnionsHydrogen: 0\n"
                          "AnionsOther: 0\n"
                          "CovalentSimple: 2\n"
                          "CovalentComplex: 2\n"
                          "[compounds]\n"
                          "ionic\tsodium chloride\tNaCl\n"
                          "ionic\tsodium oxide\tNa2O\n"
                          "ionic\tsodium sulfate\tNa2SO4\n"
                          "ionic\tiron(II) chloride\tFeCl2\n"
                          "ionic\tiron(II) oxide\tFeO\n"
                          "ionic\tiron(II) sulfate\tFeSO4\n"
                          "ionic\tiron(III) chloride\tFeCl3\n"
                          "ionic\tiron(III) oxide\tFe2O3\n"
                          "ionic\tiron(III) sulfate\tFe2(SO4)3\n"
                          "simple\thydrogen chloride\tHCl\n"
                          "simple\twater\tH2O\n"
                          "simple\tcarbon tetrachloride\tCCl4\n"
                          "simple\tcarbon dioxide\tCO2\n"
                          "complex\thydrogen chloride\tHCl\n"
                          "complex\twater\tH2O\n")
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
