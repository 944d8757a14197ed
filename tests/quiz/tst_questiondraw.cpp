#include "fakeports.h"
#include "questionavailability.h"
#include "questiondraw.h"
#include "samplecatalogue.h"

#include <QTest>

namespace {

// Entries named by table and row, "multi3" for row 3; the last one has its own charges.
void addNumbered(IonCatalogue &catalogue, IonTable table, const char *prefix, int count,
                 const char *charges, const char *lastCharges) {
    for (int row = 1; row <= count; ++row)
        catalogue.table(table).append({QStringLiteral("%1%2").arg(prefix).arg(row), "X",
                                       row == count ? lastCharges : charges});
}

IonCatalogue numberedCatalogue() {
    IonCatalogue catalogue;
    addNumbered(catalogue, IonTable::CationsMonovalent, "mono", 10, "1", "13");
    addNumbered(catalogue, IonTable::CationsMultivalent, "multi", 30, "23", "2");
    addNumbered(catalogue, IonTable::AnionsSimple, "simple", 12, "1", "1");
    addNumbered(catalogue, IonTable::AnionsPolyatomic, "polyatomic", 7, "1", "1");
    addNumbered(catalogue, IonTable::AnionsDerivative, "derivative", 5, "1", "1");
    addNumbered(catalogue, IonTable::AnionsHydrogen, "hydrogen", 3, "1", "1");
    addNumbered(catalogue, IonTable::AnionsOther, "other", 4, "1", "1");
    return catalogue;
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
        QTest::addColumn<QString>("cation");
        QTest::addColumn<QString>("charge"); // * when drawn from several
        QTest::addColumn<QString>("anion");
        const auto row = [](const char *tag, QuizSettings chosen, QList<float> values,
                            const char *cation, const char *charge, const char *anion) {
            QTest::addRow("%s", tag)
                << chosen << values << QString(cation) << QString(charge) << QString(anion);
        };
        row("single state", settings(0, 1, 0), {rowValue(7, 10), 0}, "mono7", "1", "simple1");
        row("multi state, 23 with a low draw", settings(1, 1, 0), {rowValue(7, 30), 0.2f, 0},
            "multi7", "2*", "simple1");
        row("both, drawn 10 is monovalent row 10, two digits", settings(2, 1, 0),
            {rowValue(10, 40), 0.7f, 0}, "mono10", "3*", "simple1");
        row("both, drawn 11 is multivalent row 1", settings(2, 1, 0), {rowValue(11, 40), 0.7f, 0},
            "multi1", "3*", "simple1");
        row("just below 1 is the last row, one digit", settings(2, 1, 0), {0.99999994f, 0},
            "multi30", "2", "simple1");
        row("anion bits 1 and 4, drawn 12", settings(0, 5, 0), {0, rowValue(12, 17)}, "mono1", "1",
            "simple12");
        row("anion bits 1 and 4, drawn 13", settings(0, 5, 0), {0, rowValue(13, 17)}, "mono1", "1",
            "derivative1");
        row("anion bit 16 alone", settings(0, 16, 0), {0, rowValue(2, 4)}, "mono1", "1", "other2");
        row("all anion bits, drawn 25", settings(0, 31, 0), {0, rowValue(25, 31)}, "mono1", "1",
            "hydrogen1");
    }
    void ionicDrawTakesTheRowsDrawn() {
        QFETCH(QuizSettings, settings);
        QFETCH(QList<float>, values);
        const IonCatalogue catalogue = numberedCatalogue();
        ScriptedRandom random;
        random.values = values;
        const auto drawn = QuestionDraw(catalogue, settings, random).drawQuestion();
        QTEST(drawn->question.cationName, "cation");
        QTEST(drawn->question.cationCharge + (drawn->question.multivalent ? "*" : ""), "charge");
        QTEST(drawn->question.anionName, "anion");
        QVERIFY(drawn->specificHelp);
        QVERIFY(random.usedExactly());
    }

    void covalentDrawRepeatsUntilFormulasDiffer_data() {
        QTest::addColumn<qint16>("covalentMask");
        QTest::addColumn<QList<IonTable>>("emptied");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *tag, qint16 mask, QList<IonTable> emptied,
                            QList<float> values, const char *name) {
            QTest::addRow("%s", tag) << mask << emptied << values << QString(name);
        };
        row("simple: oxygen with oxide is drawn again, CO2 has a listed name", 1, {},
            {rowValue(1, 2), 0, rowValue(2, 2), 0}, "dry ice");
        row("both: the kind is drawn again too", 3, {},
            {rowValue(1, 4), rowValue(1, 2), 0, rowValue(4, 4), 0.7f}, "water");
        row("complex: first draw stands", 2, {}, {0.2f}, "dry ice");
        row("both without elements: complex, no kind draw", 3, {IonTable::CovalentSimple}, {0.7f},
            "water");
        row("both without complex compounds: simple, no kind draw", 3, {IonTable::CovalentComplex},
            {rowValue(2, 2), 0}, "carbon dioxide");
    }
    void covalentDrawRepeatsUntilFormulasDiffer() {
        QFETCH(qint16, covalentMask);
        QFETCH(QList<IonTable>, emptied);
        QFETCH(QList<float>, values);
        IonCatalogue catalogue = covalentCatalogue();
        for (IonTable table : emptied)
            catalogue.table(table).clear();
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
        row("defaults", settings(0, 1, 0), {}, "");
        row("single state, no such cations", settings(0, 1, 0), {T::CationsMonovalent},
            "single oxidation state");
        row("both cation kinds, one table left", settings(2, 1, 0), {T::CationsMonovalent}, "");
        row("both cation kinds, no cations", settings(2, 1, 0),
            {T::CationsMonovalent, T::CationsMultivalent}, "no positive ions");
        row("no anion box ticked", settings(0, 0, 0), {}, "at least one of the green options");
        row("ticked anion tables empty", settings(0, 2, 0), {T::AnionsPolyatomic}, "have no ions");
        row("one ticked anion table left", settings(0, 3, 0), {T::AnionsPolyatomic}, "");
        row("complex only, no complex compounds", settings(0, 1, 2), {T::CovalentComplex},
            "no complex covalent");
        row("simple covalent, no elements", settings(0, 1, 1), {T::CovalentSimple}, "no elements");
        row("simple covalent, no simple anions", settings(0, 1, 1), {T::AnionsSimple},
            "no simple anions");
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
        IonCatalogue catalogue = covalentCatalogue();
        catalogue.table(IonTable::CovalentSimple).clear();
        addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}});
        QVERIFY(whyNoQuestion(catalogue, settings(0, 1, 1)).contains("the same formula"));
    }
};

QTEST_GUILESS_MAIN(QuestionDrawTest)
#include "tst_questiondraw.moc"
