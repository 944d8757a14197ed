#include "fakeports.h"
#include "questionavailability.h"
#include "questiondraw.h"
#include "samplecatalogue.h"

#include <QTest>

namespace {

// Entries named by table and row, "multi3" for row 3; the last one has its own charges.
void addNumbered(IonCatalogue &catalogue, IonTable table, const char *prefix, int count,
                 const char *charges = "1", const char *lastCharges = "1") {
    for (int row = 1; row <= count; ++row)
        catalogue.table(table).append({QStringLiteral("%1%2").arg(prefix).arg(row), "X",
                                       row == count ? lastCharges : charges});
}

// Elements: oxygen O 2, carbon C 4; anion: oxide O 2; complex: dry ice CO2, water H2O.
IonCatalogue covalentCatalogue() {
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}, {"carbon", "C", "4"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
    addEntries(catalogue, IonTable::CovalentComplex,
               {{"dry ice", "CO2", ""}, {"water", "H2O", ""}});
    return catalogue;
}

QuizSettings settings(qint16 cationKind, qint16 anionMask, qint16 covalentMask) {
    return {cationKind, anionMask, covalentMask, NamesToFormulas};
}

} // namespace

class QuestionDrawTest : public QObject {
    Q_OBJECT

private slots:
    void ionicDrawTakesTheRowsDrawn_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("drawn"); // cation, its charge (* when drawn from several), anion
        const auto row = [](const char *tag, QuizSettings chosen, QList<float> values,
                            const char *drawn) {
            QTest::addRow("%s", tag) << chosen << values << QString(drawn);
        };
        // 10 monovalent and 30 multivalent cations; anions 12, 7, 5, 3 and 4 to a table.
        row("multivalent, 23 with a low draw", settings(1, 1, 0), {rowValue(7, 30), 0.2f, 0},
            "multi7 2* simple1");
        row("both kinds, 10 is monovalent row 10", settings(2, 1, 0), {rowValue(10, 40), 0.7f, 0},
            "mono10 3* simple1");
        row("both kinds, 11 is multivalent row 1", settings(2, 1, 0), {rowValue(11, 40), 0.7f, 0},
            "multi1 3* simple1");
        row("anion bits 1 and 4, 12 is simple row 12", settings(0, 5, 0), {0, rowValue(12, 17)},
            "mono1 1 simple12");
        row("anion bits 1 and 4, 13 is derivative row 1", settings(0, 5, 0), {0, rowValue(13, 17)},
            "mono1 1 derivative1");
        row("all anion bits, 25 is hydrogen row 1", settings(0, 31, 0), {0, rowValue(25, 31)},
            "mono1 1 hydrogen1");
    }
    void ionicDrawTakesTheRowsDrawn() {
        QFETCH(QuizSettings, settings);
        IonCatalogue catalogue;
        addNumbered(catalogue, IonTable::CationsMonovalent, "mono", 10, "1", "13");
        addNumbered(catalogue, IonTable::CationsMultivalent, "multi", 30, "23", "2");
        addNumbered(catalogue, IonTable::AnionsSimple, "simple", 12);
        addNumbered(catalogue, IonTable::AnionsPolyatomic, "polyatomic", 7);
        addNumbered(catalogue, IonTable::AnionsDerivative, "derivative", 5);
        addNumbered(catalogue, IonTable::AnionsHydrogen, "hydrogen", 3);
        addNumbered(catalogue, IonTable::AnionsOther, "other", 4);
        ScriptedRandom random;
        QFETCH(QList<float>, values);
        random.values = values;
        const Question question =
            QuestionDraw(catalogue, settings, random).drawQuestion()->question;
        QTEST(QStringList({question.cationName,
                           question.cationCharge + (question.multivalent ? "*" : ""),
                           question.anionName})
                  .join(u' '),
              "drawn");
        QVERIFY(random.usedExactly());
    }

    void covalentDrawRepeatsUntilFormulasDiffer_data() {
        QTest::addColumn<qint16>("covalentMask");
        QTest::addColumn<IonTable>("emptied");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, qint16 mask, IonTable emptied, QList<float> values,
                            const char *name) {
            QTest::addRow("%s", tag) << mask << emptied << values << QString(name);
        };
        const IonTable none = IonTable::AnionsOther;
        row("simple: oxygen with oxide is drawn again, CO2 has a listed name", 1, none,
            {rowValue(1, 2), 0, rowValue(2, 2), 0}, "dry ice");
        row("both: the kind is drawn again too", 3, none,
            {rowValue(1, 4), rowValue(1, 2), 0, rowValue(4, 4), 0.7f}, "water");
        row("both without elements: complex, no kind draw", 3, IonTable::CovalentSimple, {0.7f},
            "water");
        row("both without complex compounds: simple, no kind draw", 3, IonTable::CovalentComplex,
            {rowValue(2, 2), 0}, "carbon dioxide");
    }
    void covalentDrawRepeatsUntilFormulasDiffer() {
        QFETCH(qint16, covalentMask);
        QFETCH(IonTable, emptied);
        QFETCH(QList<float>, values);
        IonCatalogue catalogue = covalentCatalogue();
        catalogue.table(emptied).clear();
        ScriptedRandom random;
        random.values = values;
        const auto drawn =
            QuestionDraw(catalogue, settings(0, 1, covalentMask), random).drawQuestion();
        QTEST(drawn->question.compoundName, "name");
        QVERIFY(!drawn->specificHelp);
        QVERIFY(random.usedExactly());
    }

    void covalentDrawGivesUpAtItsLimit() {
        ScriptedRandom random; // always 0: always oxygen with oxide
        QVERIFY(!QuestionDraw(covalentCatalogue(), settings(0, 1, 1), random).drawQuestion());
        QCOMPARE(random.overruns, 2 * QuestionDraw::CovalentDrawLimit);
    }

    void settingsWithoutQuestionsAreExplained_data() {
        QTest::addColumn<QuizSettings>("settings");
        QTest::addColumn<QList<IonTable>>("emptied");
        QTest::addColumn<QString>("reason"); // a part of it; empty: a question can be given
        using T = IonTable;
        const auto row = [](const char *tag, QuizSettings chosen, QList<IonTable> emptied,
                            const char *reason) {
            QTest::addRow("%s", tag) << chosen << emptied << QString(reason);
        };
        row("single state, no such cations", settings(0, 1, 0), {T::CationsMonovalent},
            "single oxidation state");
        row("no anion box ticked", settings(0, 0, 0), {}, "at least one of the green options");
        row("ticked anion tables empty", settings(0, 2, 0), {T::AnionsPolyatomic}, "have no ions");
        row("complex only, no complex compounds", settings(0, 1, 2), {T::CovalentComplex},
            "no complex covalent");
        row("simple covalent, no elements", settings(0, 1, 1), {T::CovalentSimple}, "no elements");
        row("both covalent kinds, one left", settings(0, 1, 3), {T::CovalentSimple}, "");
        row("both covalent kinds, none left", settings(0, 1, 3),
            {T::CovalentSimple, T::CovalentComplex}, "to practise ionic compounds");
    }
    void settingsWithoutQuestionsAreExplained() {
        QFETCH(QuizSettings, settings);
        QFETCH(QList<IonTable>, emptied);
        QFETCH(QString, reason);
        IonCatalogue catalogue = loadSampleCatalogue();
        for (IonTable table : emptied)
            catalogue.table(table).clear();
        const QString why = whyNoQuestion(catalogue, settings);
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
    }

    void oneFormulaForElementsAndAnionsIsExplained() {
        IonCatalogue catalogue;
        addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}});
        addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
        QVERIFY(whyNoQuestion(catalogue, settings(0, 1, 1)).contains("the same formula"));
    }
};

QTEST_GUILESS_MAIN(QuestionDrawTest)
#include "tst_questiondraw.moc"
