#include "fakeports.h"
#include "questionavailability.h"
#include "questiondraw.h"
#include "samplecatalogue.h"

#include <QTest>

class QuestionDrawTest : public QObject {
    Q_OBJECT

private slots:
    void cationComesFromTheChosenTables_data();
    void cationComesFromTheChosenTables();
    void anionWalksTheTickedTables_data();
    void anionWalksTheTickedTables();
    void severalChargesDrawOneDigit_data();
    void severalChargesDrawOneDigit();
    void covalentDrawRepeatsUntilFormulasDiffer_data();
    void covalentDrawRepeatsUntilFormulasDiffer();
    void covalentDrawGivesUpAtItsLimit();
    void oneFormulaForElementsAndAnionsIsExplained();
    void settingsWithoutQuestionsAreExplained_data();
    void settingsWithoutQuestionsAreExplained();
};

namespace {

// Entries named by table and row: "multi3" is row 3 of the multivalent cations.
void addNumbered(IonCatalogue &catalogue, IonTable table, const char *prefix, int count,
                 const char *charges = "1") {
    for (int row = 1; row <= count; ++row)
        catalogue.table(table).append(
            {QStringLiteral("%1%2").arg(prefix).arg(row), QStringLiteral("X%1").arg(row), charges});
}

} // namespace

void QuestionDrawTest::cationComesFromTheChosenTables_data() {
    QTest::addColumn<qint16>("cationKind");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("cation");
    QTest::addRow("single state") << qint16(0) << rowValue(7, 10) << "mono7";
    QTest::addRow("multi state") << qint16(1) << rowValue(7, 30) << "multi7";
    QTest::addRow("both, drawn 10 is monovalent row 10")
        << qint16(2) << rowValue(10, 40) << "mono10";
    QTest::addRow("both, drawn 11 is multivalent row 1")
        << qint16(2) << rowValue(11, 40) << "multi1";
    QTest::addRow("value just below 1 stays in the table") << qint16(2) << 0.99999994f << "multi30";
}

void QuestionDrawTest::cationComesFromTheChosenTables() {
    QFETCH(qint16, cationKind);
    QFETCH(float, value);
    IonCatalogue catalogue;
    addNumbered(catalogue, IonTable::CationsMonovalent, "mono", 10);
    addNumbered(catalogue, IonTable::CationsMultivalent, "multi", 30);
    const QuizSettings settings{cationKind, SimpleAnions, IonicOnly, NamesToFormulas};
    ScriptedRandom random;
    random.values = {value};
    Question question;
    QuestionDraw(catalogue, settings, random).ChooseCation(question);
    QTEST(question.cationName, "cation");
    QVERIFY(random.usedExactly());
}

void QuestionDrawTest::anionWalksTheTickedTables_data() {
    QTest::addColumn<qint16>("anionMask");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("anion");
    QTest::addRow("bits 1 and 4, drawn 12") << qint16(5) << rowValue(12, 17) << "simple12";
    QTest::addRow("bits 1 and 4, drawn 13") << qint16(5) << rowValue(13, 17) << "derivative1";
    QTest::addRow("bit 16 alone") << qint16(16) << rowValue(2, 4) << "other2";
    QTest::addRow("all bits, drawn 25") << qint16(31) << rowValue(25, 31) << "hydrogen1";
}

void QuestionDrawTest::anionWalksTheTickedTables() {
    QFETCH(qint16, anionMask);
    QFETCH(float, value);
    IonCatalogue catalogue;
    addNumbered(catalogue, IonTable::AnionsSimple, "simple", 12);
    addNumbered(catalogue, IonTable::AnionsPolyatomic, "polyatomic", 7);
    addNumbered(catalogue, IonTable::AnionsDerivative, "derivative", 5);
    addNumbered(catalogue, IonTable::AnionsHydrogen, "hydrogen", 3);
    addNumbered(catalogue, IonTable::AnionsOther, "other", 4);
    const QuizSettings settings{SingleOxidationState, anionMask, IonicOnly, NamesToFormulas};
    ScriptedRandom random;
    random.values = {value};
    Question question;
    QuestionDraw(catalogue, settings, random).ChooseAnion(question);
    QTEST(question.anionName, "anion");
    QVERIFY(random.usedExactly());
}

void QuestionDrawTest::severalChargesDrawOneDigit_data() {
    QTest::addColumn<IonTable>("table");
    QTest::addColumn<QString>("charges");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("charge");
    QTest::addColumn<bool>("multivalent");
    const auto multi = IonTable::CationsMultivalent;
    QTest::addRow("23, low draw") << multi << "23" << QList<float>{0, 0.2f} << "2" << true;
    QTest::addRow("23, high draw") << multi << "23" << QList<float>{0, 0.7f} << "3" << true;
    QTest::addRow("one digit in the multivalent table")
        << multi << "2" << QList<float>{0} << "2" << false;
    QTest::addRow("two digits in the monovalent table")
        << IonTable::CationsMonovalent << "13" << QList<float>{0, 0.7f} << "3" << true;
}

void QuestionDrawTest::severalChargesDrawOneDigit() {
    QFETCH(IonTable, table);
    QFETCH(QString, charges);
    QFETCH(QList<float>, values);
    IonCatalogue catalogue;
    catalogue.table(table).append({"iron", "Fe", charges});
    const QuizSettings settings{BothCationKinds, SimpleAnions, IonicOnly, NamesToFormulas};
    ScriptedRandom random;
    random.values = values;
    Question question;
    QuestionDraw(catalogue, settings, random).ChooseCation(question);
    QTEST(question.cationCharge, "charge");
    QTEST(question.multivalent, "multivalent");
    QVERIFY(random.usedExactly());
}

void QuestionDrawTest::covalentDrawRepeatsUntilFormulasDiffer_data() {
    QTest::addColumn<qint16>("covalentMask");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
    // Elements: oxygen O 2, carbon C 4; anion: oxide O 2; complex: dry ice CO2, water H2O.
    QTest::addRow("simple: oxygen with oxide is drawn again")
        << qint16(1) << QList<float>{rowValue(1, 2), 0, rowValue(2, 2), 0} << "dry ice"
        << "CO2";
    QTest::addRow("both: the kind is drawn again too")
        << qint16(3) << QList<float>{rowValue(1, 4), rowValue(1, 2), 0, rowValue(4, 4), 0.7f}
        << "water"
        << "H2O";
    QTest::addRow("complex: first draw stands") << qint16(2) << QList<float>{0.2f} << "dry ice"
                                                << "CO2";
}

void QuestionDrawTest::covalentDrawRepeatsUntilFormulasDiffer() {
    QFETCH(qint16, covalentMask);
    QFETCH(QList<float>, values);
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}, {"carbon", "C", "4"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
    addEntries(catalogue, IonTable::CovalentComplex,
               {{"dry ice", "CO2", ""}, {"water", "H2O", ""}});
    const QuizSettings settings{SingleOxidationState, SimpleAnions, covalentMask, NamesToFormulas};
    ScriptedRandom random;
    random.values = values;
    const auto drawn = QuestionDraw(catalogue, settings, random).drawQuestion();
    QVERIFY(drawn);
    QTEST(drawn->question.compoundName, "name");
    QTEST(drawn->question.formula, "formula");
    QVERIFY(!drawn->specificHelp);
    QVERIFY(random.usedExactly());
}

void QuestionDrawTest::covalentDrawGivesUpAtItsLimit() {
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}, {"carbon", "C", "4"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
    const QuizSettings settings{SingleOxidationState, SimpleAnions, SimpleCovalent,
                                NamesToFormulas};
    ScriptedRandom random; // always 0: always oxygen with oxide
    QVERIFY(!QuestionDraw(catalogue, settings, random).drawQuestion());
    QCOMPARE(random.overruns, 2 * QuestionDraw::CovalentDrawLimit);
}

void QuestionDrawTest::oneFormulaForElementsAndAnionsIsExplained() {
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CovalentSimple, {{"oxygen", "O", "2"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}, {"oxide again", "O", "2"}});
    const QuizSettings settings{SingleOxidationState, SimpleAnions, SimpleCovalent,
                                NamesToFormulas};
    QVERIFY(whyNoQuestion(catalogue, settings).contains("the same formula"));
}

void QuestionDrawTest::settingsWithoutQuestionsAreExplained_data() {
    QTest::addColumn<QuizSettings>("settings");
    QTest::addColumn<QList<IonTable>>("emptied");
    QTest::addColumn<QString>("reason"); // a part of it; empty: a question can be given
    const auto settings = [](qint16 cationKind, qint16 anionMask, qint16 covalentMask) {
        return QuizSettings{cationKind, anionMask, covalentMask, MixedDirections};
    };
    using T = IonTable;
    QTest::addRow("defaults") << settings(0, 1, 0) << QList<T>() << "";
    QTest::addRow("single state without monovalent cations")
        << settings(0, 1, 0) << QList<T>{T::CationsMonovalent} << "single oxidation state";
    QTest::addRow("both cation kinds, one table left")
        << settings(2, 1, 0) << QList<T>{T::CationsMonovalent} << "";
    QTest::addRow("both cation kinds, no cations")
        << settings(2, 1, 0) << QList<T>{T::CationsMonovalent, T::CationsMultivalent}
        << "no positive ions";
    QTest::addRow("no anion box ticked")
        << settings(0, 0, 0) << QList<T>() << "Tick at least one of the green options";
    QTest::addRow("ticked anion tables empty")
        << settings(0, 2, 0) << QList<T>{T::AnionsPolyatomic} << "have no ions";
    QTest::addRow("one ticked anion table left")
        << settings(0, 3, 0) << QList<T>{T::AnionsPolyatomic} << "";
    QTest::addRow("complex only without complex compounds")
        << settings(0, 1, 2) << QList<T>{T::CovalentComplex} << "no complex covalent";
    QTest::addRow("simple covalent without elements")
        << settings(0, 1, 1) << QList<T>{T::CovalentSimple} << "no elements";
    QTest::addRow("simple covalent without simple anions")
        << settings(0, 1, 1) << QList<T>{T::AnionsSimple} << "no simple anions";
    QTest::addRow("both covalent kinds, one kind left")
        << settings(0, 1, 3) << QList<T>{T::CovalentSimple} << "";
    QTest::addRow("both covalent kinds, none left")
        << settings(0, 1, 3) << QList<T>{T::CovalentSimple, T::CovalentComplex}
        << "to practise ionic compounds";
}

void QuestionDrawTest::settingsWithoutQuestionsAreExplained() {
    QFETCH(QuizSettings, settings);
    QFETCH(QList<IonTable>, emptied);
    QFETCH(QString, reason);
    IonCatalogue catalogue = loadSampleCatalogue();
    for (IonTable table : emptied)
        catalogue.table(table).clear();
    const QString why = whyNoQuestion(catalogue, settings);
    QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
}

QTEST_GUILESS_MAIN(QuestionDrawTest)
#include "tst_questiondraw.moc"
