#include "datatext.h"
#include "loadrecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A fake generator that only notes whether it was seeded.
class SeedRecorder final : public RandomSource {
public:
    float next() override { return 0.0f; }
    void seedFromClock() override { seeded = true; }
    bool seeded = false;
};

const QByteArray SampleFile = "; ions for the drill\r\n[Cations-monovalent]\r\nsodium,Na,1\r\n"
                              "ammonium,NH4,1\r\n[Cations-multivalent]\r\niron,Fe,23\r\n"
                              "[Anions-simple]\r\nchloride,Cl,1\r\noxide,O,2\r\n"
                              "[Anions-polyatomic]\r\nsulfate,SO4,2\r\n[Covalent-simple]\r\n"
                              "phosphorus,P,35\r\n[Covalent-complex]\r\nammonia,NH3\r\n";

} // namespace

class LoaderTest : public QObject {
    Q_OBJECT

private slots:
    // Entries and findings are lines joined by "\n"; see loadrecorder.h.
    void fileIsStoredLineByLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("findings");
        const auto row = [](const char *tag, const char *file, const char *entries,
                            const char *findings) {
            QTest::addRow("%s", tag) << QByteArray(file) << QString(entries) << QString(findings);
        };
        const auto dropped = [&](const char *tag, const char *file) {
            row(tag, file, "", "2: warning");
        };
        // Line 1 chooses the section, line 2 is the entry under test.
        dropped("no comma", "[Anions-simple]\r\nchloride");
        dropped("empty name", "[Anions-simple]\r\n,Cl,1");
        dropped("empty formula", "[Anions-simple]\r\nchloride,,1");
        dropped("no charge field", "[Anions-simple]\r\nchloride,Cl");
        dropped("trailing tab is not trimmed", "[Anions-simple]\r\nchloride,Cl,1\t");
        dropped("entry before the first header", "; none yet\r\nsodium,Na,1");
        dropped("letter in a complex compound's third field", "[Covalent-complex]\r\nwater,H2O,2a");
        dropped("charge of 0 among others", "[Covalent-simple]\r\ncarbon,C,402");
        dropped("anion charge of two digits", "[Anions-other]\r\nodd,Q,12");
        row("line of spaces is dropped without a word", "[Anions-simple]\r\n     ", "", "");
        row("space after a comma belongs to the formula", "[Anions-simple]\r\nchloride, Cl,1",
            "AnionsSimple 1: chloride| Cl|1", "2: warning");
        row("digits in a complex compound's third field are not stored",
            "[Covalent-complex]\r\nwater,H2O,0", "CovalentComplex 1: water|H2O|", "2: warning");
        row("NAN shows the rest of the line", "[Anions-simple]\r\nchloride,Cl,1 ; salt, table", "",
            "2: ionarch50: NAN:1 ; salt, table");
        row("NAN before the first header", "; none yet\r\nsodium,Na,one", "",
            "2: ionarch50: NAN:one");

        row("each header fills its own table", SampleFile,
            "CationsMonovalent 1: sodium|Na|1\nCationsMonovalent 2: ammonium|NH4|1\n"
            "CationsMultivalent 1: iron|Fe|23\nAnionsSimple 1: chloride|Cl|1\n"
            "AnionsSimple 2: oxide|O|2\nAnionsPolyatomic 1: sulfate|SO4|2\n"
            "CovalentSimple 1: phosphorus|P|35\nCovalentComplex 1: ammonia|NH3|",
            "");
        row("spaces around a header are trimmed", "   [Anions-other]  \r\nazide,N3,1",
            "AnionsOther 1: azide|N3|1", "");
        row("invalid header keeps the section", "[Cations-monovalent]\r\n[anions-simple]\r\nc,C,1",
            "CationsMonovalent 1: c|C|1", "2: Invalid datatype: [anions-simple]");
        row("header with a comment after it is an entry line",
            "[Anions-simple]\r\n[Anions-other] ; rare\r\nc,C,1", "AnionsSimple 1: c|C|1",
            "2: warning\n2: warning");
        row("comments may hold commas and follow spaces",
            "  ; sodium,Na,1\r\n[Anions-simple]\r\n;chloride,Cl,1", "", "");
        row("repeated section goes on filling its table",
            "[Anions-simple]\r\na,A,1\r\n[Anions-other]\r\nb,B,1\r\n[Anions-simple]\r\nc,C,2",
            "AnionsSimple 1: a|A|1\nAnionsSimple 2: c|C|2\nAnionsOther 1: b|B|1", "5: warning");

        const char *both = "AnionsSimple 1: a|A|1\nAnionsSimple 2: b|B|2";
        row("CR alone ends a line", "[Anions-simple]\ra,A,1\rb,B,2\rx", both, "4: warning");
        row("LF alone ends a line", "[Anions-simple]\na,A,1\nb,B,2\nx", both, "4: warning");
        row("LF then CR ends two lines", "[Anions-simple]\n\ra,A,1\r\nb,B,2\n\rx", both,
            "6: warning");
        row("UTF-8", "[Anions-simple]\r\nchlorure \xc3\xa9,Cl,1",
            "AnionsSimple 1: chlorure \xc3\xa9|Cl|1", "");
        row("Windows-1252 when not valid UTF-8", "[Anions-simple]\r\nchlorure \xe9,\x80,1",
            "AnionsSimple 1: chlorure \xc3\xa9|\xe2\x82\xac|1", "");
        row("one stray byte makes every line Windows-1252",
            "[Anions-simple]\r\nchlorure \xc3\xa9,Cl,1\r\nx\x80,X,1",
            "AnionsSimple 1: chlorure \xc3\x83\xc2\xa9|Cl|1\nAnionsSimple 2: x\xe2\x82\xac|X|1",
            "");
        row("UTF-8 byte order mark", "\xef\xbb\xbf[Anions-simple]\r\na,A,1",
            "AnionsSimple 1: a|A|1", "");
    }
    void fileIsStoredLineByLine() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        QTEST(storedEntries(catalogue).join(u'\n'), "entries");
        QTEST(recorder.findings.join(u'\n'), "findings");
    }

    void fullTableRefusesFurtherEntries_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("overflowText");
        const auto row = [](const char *header, const char *text) {
            QTest::addRow("%s", header) << QString(header) << QString(text);
        };
        row("[Cations-monovalent]", "40 ions in any");
        row("[Anions-hydrogen]", "40 in any");
        row("[Covalent-complex]", "40 compounds in any");
    }
    void fullTableRefusesFurtherEntries() {
        QFETCH(QString, header);
        QFETCH(QString, overflowText);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(header.toLatin1() + "\r\n" + QByteArray("name,F,1\r\n").repeated(42), catalogue,
                 recorder);
        QCOMPARE(catalogue.table(*ionTableForHeader(header)).count(), 40);
        const QString overflow = ": ERROR: Data Overflow 41: There is a maximum of " +
                                 overflowText + " one category [error icon]";
        QCOMPARE(recorder.findings.filter("Overflow"),
                 (QStringList{"42" + overflow, "43" + overflow}));
    }

    void fileThatCannotBeLoadedEndsTheProgram_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<LoadStatus>("status");
        QTest::addColumn<QString>("messageStart"); // %1 stands for the path
        QTest::addRow("missing file")
            << QByteArray() << false << LoadStatus::Missing
            << "0: Program error:: File %1 doesn't exist.\r\n ... exiting ... [error icon]";
        QTest::addRow("empty file") << QByteArray("") << false << LoadStatus::Empty
                                    << "0: Program error:: No data in IONS.DAT file. [error icon]";
        QTest::addRow("a folder in its place") << QByteArray() << true << LoadStatus::Unreadable
                                               << "0: Program error:: File %1 can't be read: ";
    }
    void fileThatCannotBeLoadedEndsTheProgram() {
        QFETCH(QByteArray, content);
        QFETCH(bool, isFolder);
        QFETCH(QString, messageStart);
        QTemporaryDir folder;
        const QString path = folder.filePath("ions.dat");
        QVERIFY(!isFolder || QDir(folder.path()).mkdir("ions.dat"));
        QFile file(path);
        QVERIFY(content.isNull() || file.open(QIODevice::WriteOnly));
        file.close();
        IonCatalogue catalogue;
        LoadRecorder recorder;
        SeedRecorder random;
        QTEST(InitCatalogue(catalogue, random, recorder, path), "status");
        QVERIFY(random.seeded);
        QCOMPARE(recorder.findings.size(), 1);
        QVERIFY2(recorder.findings.first().startsWith(messageStart.arg(path)),
                 qPrintable(recorder.findings.first()));
    }

    void numericTextIsRecognised() {
        for (const char *text : {"+2", " 12 ", "\t3\t", "2.", ".5", "-.5E+2"})
            QVERIFY2(isNumericText(QString::fromLatin1(text)), text);
        for (const char *text :
             {"", ".", "x2", "1,000", "0x1F", "2-", "e5", "1e", "--1", "inf", "1 2"})
            QVERIFY2(!isNumericText(QString::fromLatin1(text)), text);
    }
};

QTEST_GUILESS_MAIN(LoaderTest)
#include "tst_loader.moc"
