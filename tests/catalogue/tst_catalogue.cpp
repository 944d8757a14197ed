#include "elements.h"
#include "fakes.h"
#include "iontableinfo.h"
#include "loader.h"
#include "table.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// What a load says: "LINE: TITLE: TEXT" for a message box, with its icon if any, and
// "LINE: warning" for a warning, whose wording is free.
class LoadRecorder final : public LoadDiagnostics {
public:
    QStringList findings;

    void message(int line, const Message &box) override {
        findings << QStringLiteral("%1: %2: %3").arg(line).arg(box.shownTitle(), box.text) +
                        (box.icon == MessageIcon::Error ? " [error icon]" : "");
    }
    void warning(int line, const QString &) override {
        findings << QStringLiteral("%1: warning").arg(line);
    }
};

// Every stored entry as "Table row: Name|Formula|Charges", the tables in their order.
QStringList storedEntries(const IonCatalogue &catalogue) {
    QStringList entries;
    for (const IonTableInfo &info : IonTables) {
        for (int row = 1; row <= catalogue.table(info.table).count(); ++row) {
            const IonEntry &entry = catalogue.table(info.table).entry(row);
            entries << QStringLiteral("%1 %2: %3|%4|%5")
                           .arg(info.name, QString::number(row), entry.Name, entry.Formula,
                                entry.Charges);
        }
    }
    return entries;
}

class FixedRandom final : public RandomSource {
public:
    float value = 0;
    int draws = 0;
    bool seeded = false;

    float next() override { return ++draws, value; }
    void seedFromClock() override { seeded = true; }
};

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void fileIsStoredLineByLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("findings");
        for (const QStringList &row : tableRows("loader.tsv"))
            QTest::addRow("%s", qPrintable(row[0]))
                << cellBytes(row[1]) << cellsFrom(row.mid(0, 5), 2) << cellsFrom(row, 5);
    }
    void fileIsStoredLineByLine() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        QTEST(storedEntries(catalogue), "entries");
        QTEST(recorder.findings, "findings");
    }

    void fullTableRefusesFurtherEntries_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("text");
        QTest::addRow("cations") << "[Cations-monovalent]"
                                 << "40 ions in any one category";
        QTest::addRow("anions") << "[Anions-hydrogen]"
                                << "40 in any one category";
        QTest::addRow("compounds") << "[Covalent-complex]"
                                   << "40 compounds in any one category";
    }
    void fullTableRefusesFurtherEntries() {
        QFETCH(QString, header);
        QFETCH(QString, text);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(header.toLatin1() + QByteArray("\r\nname,F,1").repeated(42), catalogue, recorder);
        QCOMPARE(catalogue.table(*ionTableForHeader(header)).count(), 40);
        const QString box =
            ": ERROR: Data Overflow 41: There is a maximum of " + text + " [error icon]";
        QCOMPARE(recorder.findings.filter("Overflow"), QStringList({"42" + box, "43" + box}));
    }

    void listingsAreLaidOutByteForByte() {
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons("[Cations-multivalent]\r\niron,Fe,23\r\n[Cations-monovalent]\r\nsodium,Na,1\r\n"
                 "tetramethylammonium,N(CH3)4,1\r\n[Cations-multivalent]\r\ncopper,Cu,21\r\n"
                 "[Anions-simple]\r\nchloride,Cl,1\r\n[Anions-polyatomic]\r\n[Anions-other]\r\n"
                 "azide,N3,1\r\n[Covalent-simple]\r\nsulfur,S,46\r\n[Covalent-simple]\r\n"
                 "phosphorus,P,35\r\n[Covalent-complex]\r\nammonia,NH3",
                 catalogue, recorder);
        const ListingTexts &listings = catalogue.listings;
        // The monovalent header, out of order, replaces the multivalent rows before it.
        QCOMPARE(listings.help1, "CATIONS - MONOVALENT\r\nsodium            Na    +1\r\n"
                                 "tetramethylammoniumN(CH3)4+1\r\n\r\nCATIONS - MULITVALENT\r\n"
                                 "copper            Cu     +2 +1\r\n");
        QCOMPARE(listings.help2, "ANIONS - SIMPLE\r\nchloride             Cl      -1\r\n\r\n"
                                 "ANIONS - POLYATOMIC (OXYANIONS)\r\n\r\nANIONS - OTHER\r\n"
                                 "azide                N3      -1\r\n");
        QCOMPARE(listings.helpC1, "COVALENT - POSITIVE OXIDATION NUMBERS\r\n"
                                  "phosphorus           P        +3 +5\r\n");
        QCOMPARE(listings.helpC2,
                 "COVALENT - COMPLEX COMPOUNDS\r\nammonia                  NH3      \r\n");
    }

    void boxesBeyondTwentyAreSummedUpAtTheEnd_data() {
        QTest::addColumn<int>("faultyLines");
        QTest::addColumn<QString>("lastBox");
        const QString rest = " in the data file, not shown here. ionarch-check lists them all.";
        QTest::addRow("20: every box") << 20 << "[bad 20]";
        QTest::addRow("21: one held back") << 21 << "There is 1 more problem" + rest;
        QTest::addRow("25: five held back") << 25 << "There are 5 more problems" + rest;
    }
    void boxesBeyondTwentyAreSummedUpAtTheEnd() {
        QFETCH(int, faultyLines);
        QByteArray file;
        for (int line = 1; line <= faultyLines; ++line)
            file += "[bad " + QByteArray::number(line) + "]\r\n";
        RecordingSink sink;
        MessageBoxDiagnostics diagnostics(sink);
        IonCatalogue catalogue;
        loadIons(file, catalogue, diagnostics);
        QCOMPARE(sink.shown.size(), std::min(faultyLines, 21));
        QCOMPARE(sink.shown[19].text, "[bad 20]");
        QTEST(sink.shown.last().text, "lastBox");
    }

    void fileThatCannotBeLoadedEndsTheProgram_data() {
        QTest::addColumn<QString>("kind"); // what stands at the data file's path
        QTest::addColumn<LoadStatus>("status");
        QTest::addColumn<QString>("message"); // its start; %1 stands for the path
        QTest::addRow("missing") << "none" << LoadStatus::Missing
                                 << "File %1 doesn't exist.\r\n ... exiting ...";
        QTest::addRow("empty") << "file" << LoadStatus::Empty << "No data in IONS.DAT file.";
        QTest::addRow("a folder") << "folder" << LoadStatus::Unreadable
                                  << "File %1 can't be read: ";
    }
    void fileThatCannotBeLoadedEndsTheProgram() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("ions.dat");
        QVERIFY(kind != "folder" || QDir(folder.path()).mkdir("ions.dat"));
        QVERIFY(kind != "file" || QFile(path).open(QIODevice::WriteOnly));
        IonCatalogue catalogue;
        RecordingSink sink;
        MessageBoxDiagnostics diagnostics(sink);
        FixedRandom random;
        QTEST(InitCatalogue(catalogue, random, diagnostics, path), "status");
        QVERIFY(random.seeded);
        QCOMPARE(sink.shown.size(), 1);
        QVERIFY2(sink.shown[0].text.startsWith(message.replace("%1", path)),
                 qPrintable(sink.shown[0].text));
        QCOMPARE(sink.shown[0].title + ' ' + QString::number(int(sink.shown[0].icon)),
                 "Program error: " + QString::number(int(MessageIcon::Error)));
    }

    void covalentKindsKeepTheSimpleAnionsAlone() {
        QuizSettings settings;
        settings.setAnionCategory(AnionCategory::Simple, false);
        settings.setAnionCategory(AnionCategory::Other, true);
        QCOMPARE(settings.anionMask, AnionMask(AnionCategory::Other));
        settings.setCovalentKind(CovalentKind::Complex, true);
        QCOMPARE(settings.anionMask, AnionMask(AnionCategory::Simple));
        settings.setAnionCategory(AnionCategory::Hydrogen, true);
        settings.setCovalentKind(CovalentKind::Simple, true);
        QCOMPARE(settings.anionMask, AnionMask(AnionCategory::Simple));
        settings.setCovalentKind(CovalentKind::Simple, false);
        settings.setCovalentKind(CovalentKind::Complex, false);
        QCOMPARE(settings, QuizSettings()); // the boxes are free again, simple anions alone
    }

    void randomRowStaysWithinOneToN() {
        // n = 2^24 + 1 is not a single-precision number: it rounds to 2^24 in the product.
        const float belowOne = std::nextafter(1.0f, 0.0f);
        for (const auto &[r, n, row] : {std::tuple{0.0f, 40, 1},
                                        {belowOne, 40, 40},
                                        {belowOne, 16777217, 16777216},
                                        {0.7f, 0, 1}}) {
            FixedRandom random;
            random.value = r;
            QCOMPARE(randomRow(random, n), row);
            QCOMPARE(random.draws, 1);
        }
    }

    void elementsEachHaveTheirOwnSymbolNameAndCell() {
        QSet<QString> symbols, names;
        QSet<QPair<int, int>> cells;
        for (const Element &element : Elements::all()) {
            QCOMPARE(Elements::bySymbol(element.symbol), &element);
            symbols << element.symbol;
            names << element.name;
            cells.insert({Elements::gridCell(element).column, Elements::gridCell(element).row});
        }
        QCOMPARE(symbols.size() + names.size() + cells.size(), 3 * Elements::Count);
        QCOMPARE(Elements::byNumber(16).name, "sulfur");
        QCOMPARE(Elements::gridCell(Elements::byNumber(72)), (Elements::GridCell{3, 5}));
        QCOMPARE(Elements::gridCell(Elements::byNumber(103)), (Elements::GridCell{17, 8}));
        QVERIFY(!Elements::bySymbol(u"CO"));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
