#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small course with three faulty lines; oxygen meets oxide, which the quiz never asks, and
// steam shares the formula of water, which is asked by its first name.
const QByteArray Course = "[Cations-monovalent]\r\nsodium,Na,1\r\n"
                          "[cations-multivalent]\r\niron,Fe,x\r\nlead,Pb\r\n\r\n"
                          "[Cations-multivalent]\r\niron,Fe,32\r\n"
                          "[Anions-simple]\r\nchloride,Cl,1\r\noxide,O,2\r\n"
                          "[Covalent-simple]\r\nhydrogen,H,1\r\noxygen,O,2\r\n"
                          "[Covalent-complex]\r\nwater,H2O\r\nsteam,H2O";

const QByteArray Findings = "3: Invalid datatype: [cations-multivalent]\n"
                            "4: ionarch50: NAN:x\n"
                            "5: warning: no charge field: line ignored\n"
                            "CationsMonovalent: 1\nCationsMultivalent: 1\nAnionsSimple: 2\n"
                            "AnionsPolyatomic: 0\nAnionsDerivative: 0\nAnionsHydrogen: 0\n"
                            "AnionsOther: 0\nCovalentSimple: 2\nCovalentComplex: 2\n";

const QByteArray Listings = "[help1]\n"
                            "CATIONS - MONOVALENT\n"
                            "sodium            Na    +1\n"
                            "\n"
                            "CATIONS - MULITVALENT\n"
                            "iron              Fe     +3 +2\n"
                            "[help2]\n"
                            "ANIONS - SIMPLE\n"
                            "chloride             Cl      -1\n"
                            "oxide                O       -2\n"
                            "[helpC1]\n"
                            "COVALENT - POSITIVE OXIDATION NUMBERS\n"
                            "hydrogen             H        +1\n"
                            "oxygen               O        +2\n"
                            "[helpC2]\n"
                            "COVALENT - COMPLEX COMPOUNDS\n"
                            "water                    H2O      \n"
                            "steam                    H2O      \n";

const QByteArray Compounds = "[compounds]\n"
                             "ionic\tsodium chloride\tNaCl\n"
                             "ionic\tsodium oxide\tNa2O\n"
                             "ionic\tiron(III) chloride\tFeCl3\n"
                             "ionic\tiron(III) oxide\tFe2O3\n"
                             "ionic\tiron(II) chloride\tFeCl2\n"
                             "ionic\tiron(II) oxide\tFeO\n"
                             "simple\thydrogen monochloride\tHCl\n"
                             "simple\twater\tH2O\n"
                             "simple\toxygen dichloride\tOCl2\n"
                             "complex\twater\tH2O\n"
                             "complex\twater\tH2O\n";

} // namespace

class CheckerTest : public QObject {
    Q_OBJECT

private slots:
    void checkerReportsTheFile_data() {
        QTest::addColumn<QByteArray>("ionsDat"); // null: no ions.dat in the working folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("findings in file order, then the counts")
            << Course << QStringList() << QByteArray() << Findings << 0;
        QTest::addRow("listings, then the answer key")
            << Course << QStringList{"--compounds", "--listings", "ions.dat"} << QByteArray()
            << Findings + Listings + Compounds << 0;
        QTest::addRow("a missing file is fatal")
            << QByteArray() << QStringList{"absent.dat"} << QByteArray()
            << QByteArray("0: Program error:: File absent.dat doesn't exist.\\n ... exiting ...\n")
            << 1;
        QTest::addRow("an empty file is fatal")
            << QByteArray("") << QStringList() << QByteArray()
            << QByteArray("0: Program error:: No data in IONS.DAT file.\n") << 1;
        QTest::addRow("two files are bad usage")
            << Course << QStringList{"a.dat", "b.dat"} << QByteArray() << QByteArray() << 2;
        QTest::addRow("an unknown option is bad usage")
            << Course << QStringList{"--colour"} << QByteArray() << QByteArray() << 2;
        QTest::addRow("judged answers, the findings apart; an unknown question fails")
            << Course << QStringList{"--judge"}
            << QByteArray("sodium chloride\tNaCl\nFeCl3\tiron(II) chloride\ngold\tAu\n")
            << QByteArray(
                   "correct\texact\t\n"
                   "wrong\tnumeral-wrong\tIron(II) chloride would be FeCl2; find the charge "
                   "that gives FeCl3.\n"
                   "error\tunknown-question\tNo compound of the answer key shows \"gold\".\n")
            << 1;
        QTest::addRow("judging goes alone")
            << Course << QStringList{"--judge", "--compounds"} << QByteArray() << QByteArray() << 2;
    }
    void checkerReportsTheFile() {
        QFETCH(QByteArray, ionsDat);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QTemporaryDir folder;
        QFile file(folder.filePath("ions.dat"));
        QVERIFY(ionsDat.isNull() || (file.open(QIODevice::WriteOnly) && file.write(ionsDat) >= 0));
        file.close();
        QProcess checker;
        checker.setWorkingDirectory(folder.path());
        checker.start(QStringLiteral(IONARCH_CHECK_PATH), arguments);
        checker.write(input);
        checker.closeWriteChannel();
        QVERIFY(checker.waitForFinished());
        QCOMPARE(checker.exitStatus(), QProcess::NormalExit);
        QTEST(checker.readAllStandardOutput(), "output");
        QTEST(checker.exitCode(), "exitCode");
    }
};

QTEST_GUILESS_MAIN(CheckerTest)
#include "tst_checker.moc"
