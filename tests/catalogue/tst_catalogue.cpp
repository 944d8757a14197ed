#include "catalogue/iontableinfo.h"
#include "catalogue/loader.h"
#include "tests/support/core/table.h"
#include "tests/support/fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void fileIsStoredLineByLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("findings");
        for (const TableRow &row : tableRows("loader.tsv"))
            QTest::addRow("%s", qPrintable(row["case"]))
                << cellBytes(row["file"]) << row.cells("entry1", "entry3") << row.cells("finding1");
    }
    void fileIsStoredLineByLine() {
        QFETCH(QByteArray, file);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(file, catalogue, recorder);
        QTEST(storedEntries(catalogue), "entries");
        QTEST(recorder.findings, "findings");
    }

    void fullTableRefusesFurtherEntries_data() { addTableRows("overflow.tsv"); }
    void fullTableRefusesFurtherEntries() {
        QFETCH(TableRow, row);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(row["header"].toLatin1() + QByteArray("\r\nname,F,1").repeated(42), catalogue,
                 recorder);
        QCOMPARE(catalogue.table(*ionTableForHeader(row["header"])).count(), 40);
        const QString box = ": ERROR: Data Overflow 41: " + row["message"] + " [error icon]";
        QCOMPARE(recorder.findings.filter("Overflow"), QStringList({"42" + box, "43" + box}));
    }

    void listingsAreLaidOutByteForByte_data() { addTableRows("listings.tsv"); }
    void listingsAreLaidOutByteForByte() {
        QFETCH(TableRow, row);
        IonCatalogue catalogue;
        LoadRecorder recorder;
        loadIons(cellBytes(row["file"]), catalogue, recorder);
        const ListingTexts &listings = catalogue.listings;
        QCOMPARE(QStringList({listings.help1, listings.help2, listings.helpC1, listings.helpC2}),
                 row.cells("help1"));
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
        ScriptedRandom random;
        QTEST(InitCatalogue(catalogue, random, diagnostics, path), "status");
        QCOMPARE(random.reseeds, 1);
        QCOMPARE(sink.shown.size(), 1);
        QVERIFY2(sink.shown[0].text.startsWith(message.replace("%1", path)),
                 qPrintable(sink.shown[0].text));
        QVERIFY(sink.shown[0].title == "Program error:" &&
                sink.shown[0].icon == MessageIcon::Error);
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
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
