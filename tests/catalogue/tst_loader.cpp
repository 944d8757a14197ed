#include "datatext.h"
#include "loadrecorder.h"

#include <QDir>
#include <QElapsedTimer>
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

const QByteArray SampleFile = "; ions for the drill\r\n"
                              "[Cations-monovalent]\r\n"
                              "sodium,Na,1\r\n"
                              "ammonium,NH4,1\r\n"
                              "[Cations-multivalent]\r\n"
                              "iron,Fe,23\r\n"
                              "[Anions-simple]\r\n"
                              "chloride,Cl,1\r\n"
                              "oxide,O,2\r\n"
                              "[Anions-polyatomic]\r\n"
                              "sulfate,SO4,2\r\n"
                              "[Covalent-simple]\r\n"
                              "phosphorus,P,35\r\n"
                              "[Covalent-complex]\r\n"
                              "ammonia,NH3\r\n";

} // namespace

class LoaderTest : public QObject {
    Q_OBJECT

private:
    void addLoadColumns() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("findings");
    }
    void checkLoad() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        QTEST(storedEntries(catalogue), "entries");
        QTEST(recorder.findings, "findings");
    }

private slots:
    void entryLineIsStoredOrDropped_data() {
        addLoadColumns();
        // Line 1 chooses the section, line 2 is the entry under test.
        const std::pair<const char *, const char *> droppedWithoutABox[] = {
            {"a line without a comma", "[Anions-simple]\r\nchloride"},
            {"an empty name", "[Anions-simple]\r\n,Cl,1"},
            {"an empty formula", "[Anions-simple]\r\nchloride,,1"},
            {"a missing charge field", "[Anions-simple]\r\nchloride,Cl"},
            {"a signed charge", "[Anions-simple]\r\nchloride,Cl,-1"},
            {"a blank before the charge", "[Anions-simple]\r\nchloride,Cl, 1"},
            {"a trailing tab, which is not trimmed", "[Anions-simple]\r\nchloride,Cl,1\t"},
            {"an entry before the first header", "; none yet\r\nsodium,Na,1"},
            {"a letter in a complex compound's third field", "[Covalent-complex]\r\nwater,H2O,2a"},
            {"a cation charge of 0", "[Cations-monovalent]\r\nnothing,X,0"},
            {"an oxidation number 0 among others", "[Covalent-simple]\r\ncarbon,C,402"},
            {"an anion charge of two digits", "[Anions-other]\r\nodd,Q,12"},
        };
        for (const auto &[name, file] : droppedWithoutABox)
            QTest::addRow("%s is dropped without a box", name)
                << QByteArray(file) << QStringList() << QStringList{"2: warning"};
        QTest::addRow("a line of spaces is dropped without a word")
            << QByteArray("[Anions-simple]\r\n     ") << QStringList() << QStringList();
        QTest::addRow("fields are stored as written")
            << QByteArray("[Cations-multivalent]\r\niron,Fe,23")
            << QStringList{"CationsMultivalent 1: iron|Fe|23"} << QStringList();
        QTest::addRow("a space after a comma belongs to the formula")
            << QByteArray("[Anions-simple]\r\nchloride, Cl,1")
            << QStringList{"AnionsSimple 1: chloride| Cl|1"} << QStringList{"2: warning"};
        QTest::addRow("letters in the charge field show NAN")
            << QByteArray("[Anions-simple]\r\nchloride,Cl,x2") << QStringList()
            << QStringList{"2: ionarch50: NAN:x2"};
        QTest::addRow("a comment after an entry shows NAN with the rest of the line")
            << QByteArray("[Anions-simple]\r\nchloride,Cl,1 ; salt, table") << QStringList()
            << QStringList{"2: ionarch50: NAN:1 ; salt, table"};
        QTest::addRow("a bad charge before the first header still shows NAN")
            << QByteArray("; none yet\r\nsodium,Na,one") << QStringList()
            << QStringList{"2: ionarch50: NAN:one"};
        QTest::addRow("a complex compound needs no charge field")
            << QByteArray("[Covalent-complex]\r\nammonia,NH3")
            << QStringList{"CovalentComplex 1: ammonia|NH3|"} << QStringList();
        QTest::addRow("digits in a complex compound's third field are not stored")
            << QByteArray("[Covalent-complex]\r\nwater,H2O,0")
            << QStringList{"CovalentComplex 1: water|H2O|"} << QStringList{"2: warning"};
    }
    void entryLineIsStoredOrDropped() { checkLoad(); }

    void headersChooseTheTable_data() {
        addLoadColumns();
        QTest::addRow("each header fills its own table")
            << SampleFile << QStringList{"CationsMonovalent 1: sodium|Na|1",
                                         "CationsMonovalent 2: ammonium|NH4|1",
                                         "CationsMultivalent 1: iron|Fe|23",
                                         "AnionsSimple 1: chloride|Cl|1",
                                         "AnionsSimple 2: oxide|O|2",
                                         "AnionsPolyatomic 1: sulfate|SO4|2",
                                         "CovalentSimple 1: phosphorus|P|35",
                                         "CovalentComplex 1: ammonia|NH3|"}
            << QStringList();
        QTest::addRow("spaces around a header are trimmed")
            << QByteArray("   [Anions-other]  \r\nazide,N3,1")
            << QStringList{"AnionsOther 1: azide|N3|1"} << QStringList();
        QTest::addRow("a header in small letters is invalid and keeps the section")
            << QByteArray("[Cations-monovalent]\r\n[anions-simple]\r\nchloride,Cl,1")
            << QStringList{"CationsMonovalent 1: chloride|Cl|1"}
            << QStringList{"2: Invalid datatype: [anions-simple]"};
        QTest::addRow("entries after an invalid first header are dropped")
            << QByteArray("  [Bases] \r\nsodium,Na,1") << QStringList()
            << QStringList{"1: Invalid datatype: [Bases]", "2: warning"};
        QTest::addRow("a header with a comment after it is an entry line")
            << QByteArray("[Anions-simple]\r\n[Anions-other] ; rare\r\nchloride,Cl,1")
            << QStringList{"AnionsSimple 1: chloride|Cl|1"}
            << QStringList{"2: warning", "2: warning"};
        QTest::addRow("comments may hold commas and follow spaces")
            << QByteArray("  ; sodium,Na,1\r\n[Anions-simple]\r\n;chloride,Cl,1") << QStringList()
            << QStringList();
        QTest::addRow("a repeated section goes on filling its table")
            << QByteArray("[Anions-simple]\r\na,A,1\r\n[Anions-other]\r\nb,B,1\r\n[Anions-simple]"
                          "\r\nc,C,2")
            << QStringList{"AnionsSimple 1: a|A|1", "AnionsSimple 2: c|C|2", "AnionsOther 1: b|B|1"}
            << QStringList{"5: warning"};
        QTest::addRow("the same entry twice is kept twice")
            << QByteArray("[Anions-simple]\r\na,A,1\r\na,A,1")
            << QStringList{"AnionsSimple 1: a|A|1", "AnionsSimple 2: a|A|1"} << QStringList();
    }
    void headersChooseTheTable() { checkLoad(); }

    void linesEndAtCrLfCrOrLf_data() {
        addLoadColumns();
        const QStringList both{"AnionsSimple 1: a|A|1", "AnionsSimple 2: b|B|2"};
        QTest::addRow("CR LF") << QByteArray("[Anions-simple]\r\na,A,1\r\nb,B,2\r\nx") << both
                               << QStringList{"4: warning"};
        QTest::addRow("CR alone") << QByteArray("[Anions-simple]\ra,A,1\rb,B,2\rx") << both
                                  << QStringList{"4: warning"};
        QTest::addRow("LF alone") << QByteArray("[Anions-simple]\na,A,1\nb,B,2\nx") << both
                                  << QStringList{"4: warning"};
        QTest::addRow("LF then CR ends two lines")
            << QByteArray("[Anions-simple]\n\ra,A,1\r\nb,B,2\n\rx") << both
            << QStringList{"6: warning"};
        QTest::addRow("the last line needs no line end")
            << QByteArray("[Anions-simple]\r\na,A,1\r\nb,B,2") << both << QStringList();
    }
    void linesEndAtCrLfCrOrLf() { checkLoad(); }

    void bytesDecodeAsUtf8ElseWindows1252_data() {
        addLoadColumns();
        QTest::addRow("UTF-8") << QByteArray("[Anions-simple]\r\nchlorure \xc3\xa9,Cl,1")
                               << QStringList{QString::fromUtf8(
                                      "AnionsSimple 1: chlorure \xc3\xa9|Cl|1")}
                               << QStringList();
        QTest::addRow("Windows-1252 when not valid UTF-8")
            << QByteArray("[Anions-simple]\r\nchlorure \xe9,\x80,1")
            << QStringList{QString::fromUtf8("AnionsSimple 1: chlorure \xc3\xa9|\xe2\x82\xac|1")}
            << QStringList();
        QTest::addRow("a UTF-8 byte order mark before the first header")
            << QByteArray("\xef\xbb\xbf[Anions-simple]\r\na,A,1")
            << QStringList{"AnionsSimple 1: a|A|1"} << QStringList();
        QTest::addRow("NUL bytes are ordinary characters")
            << QByteArray("[Anions-simple]\r\na\0b,A,1", 24)
            << QStringList{QStringLiteral("AnionsSimple 1: a") + QChar(0) + "b|A|1"}
            << QStringList();
    }
    void bytesDecodeAsUtf8ElseWindows1252() { checkLoad(); }

    void fullTableRefusesFurtherEntries_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<IonTable>("table");
        QTest::addColumn<QString>("overflowText");
        QTest::addRow("monovalent cations")
            << QByteArray("[Cations-monovalent]") << IonTable::CationsMonovalent
            << "There is a maximum of 40 ions in any one category";
        QTest::addRow("hydrogen anions")
            << QByteArray("[Anions-hydrogen]") << IonTable::AnionsHydrogen
            << "There is a maximum of 40 in any one category";
        QTest::addRow("complex covalent")
            << QByteArray("[Covalent-complex]") << IonTable::CovalentComplex
            << "There is a maximum of 40 compounds in any one category";
    }
    void fullTableRefusesFurtherEntries() {
        QFETCH(QByteArray, header);
        QFETCH(IonTable, table);
        QFETCH(QString, overflowText);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(header + "\r\n" + QByteArray("name,F,1\r\n").repeated(42), catalogue, recorder);
        QCOMPARE(catalogue.table(table).count(), 40);
        const QString overflow = ": ERROR: Data Overflow 41: " + overflowText + " [error icon]";
        QCOMPARE(recorder.findings.filter("Data Overflow"),
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
        QTest::addRow("a readable file") << SampleFile << false << LoadStatus::Loaded << QString();
    }
    void fileThatCannotBeLoadedEndsTheProgram() {
        QFETCH(QByteArray, content);
        QFETCH(bool, isFolder);
        QFETCH(QString, messageStart);
        QTemporaryDir folder;
        const QString path = folder.filePath("ions.dat");
        if (isFolder)
            QVERIFY(QDir(folder.path()).mkdir("ions.dat"));
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        IonCatalogue catalogue;
        LoadRecorder recorder;
        SeedRecorder random;
        QTEST(InitCatalogue(catalogue, random, recorder, path), "status");
        QVERIFY(random.seeded);
        if (messageStart.isEmpty()) {
            QCOMPARE(recorder.findings, QStringList());
            QCOMPARE(catalogue.table(IonTable::CationsMonovalent).count(), 2);
        } else {
            QCOMPARE(recorder.findings.size(), 1);
            QVERIFY2(recorder.findings.first().startsWith(messageStart.arg(path)),
                     qPrintable(recorder.findings.first()));
        }
    }

    void hostileInputLoadsInLinearTime_data() {
        QTest::addColumn<QByteArray>("file");
        QByteArray noise(8 << 20, '\0');
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 2654435761u) >> 13);
        QTest::addRow("a million comment lines") << QByteArray(";,\r\n").repeated(1'000'000);
        QTest::addRow("a million repeated headers")
            << QByteArray("[Anions-other]\r\n").repeated(1'000'000);
        QTest::addRow("a line of 16 MB")
            << "[Anions-simple]\r\na,B," + QByteArray(16 << 20, '7') + 'x';
        QTest::addRow("a hundred thousand refused entries")
            << "[Anions-simple]\r\n" + QByteArray("a,A,1\r\n").repeated(100'000);
        QTest::addRow("binary noise") << noise;
    }
    void hostileInputLoadsInLinearTime() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        QElapsedTimer timer;
        timer.start();
        loadIons(file, catalogue, recorder);
        QVERIFY2(timer.elapsed() < 10'000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }

    void numericTextIsRecognised_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        for (const char *text :
             {"7", "+2", "-1", " 12 ", "\t3\t", "1.5", "2.", ".5", "1e3", "-.5E+2"})
            QTest::addRow("numeric: \"%s\"", text) << QString::fromLatin1(text) << true;
        for (const char *text : {"", " ", ".", "x2", "1,000", "0x1F", "$5", "2-", "e5", "1e", "--1",
                                 "inf", "1 2", "\xbd"})
            QTest::addRow("not numeric: \"%s\"", text) << QString::fromLatin1(text) << false;
    }
    void numericTextIsRecognised() {
        QFETCH(QString, text);
        QTEST(isNumericText(text), "numeric");
    }
};

QTEST_GUILESS_MAIN(LoaderTest)
#include "tst_loader.moc"
