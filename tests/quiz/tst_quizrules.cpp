#include "answercheck.h"
#include "answerkey.h"
#include "composition.h"
#include "resultsreport.h"
#include "samplecatalogue.h"

#include <QTest>

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void ionicCompoundIsNamedAndWritten_data();
    void ionicCompoundIsNamedAndWritten();
    void ionicHelpDescribesBothIons_data();
    void ionicHelpDescribesBothIons();
    void simpleCovalentCompoundIsNamedAndWritten_data();
    void simpleCovalentCompoundIsNamedAndWritten();
    void answerIsJudged_data();
    void answerIsJudged();
    void answerKeyListsEveryCompoundInQuizOrder();
};

namespace {

Question ionic(const char *cation, const char *symbol, const char *charge, bool multivalent,
               const char *anion, const char *formula, const char *anionCharge) {
    Question question;
    question.takeCation({cation, symbol, {}}, charge);
    question.multivalent = multivalent;
    question.takeAnion({anion, formula, anionCharge});
    return question;
}

} // namespace

void QuizRulesTest::ionicCompoundIsNamedAndWritten_data() {
    QTest::addColumn<Question>("question");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
    const auto row = [](const char *tag, const Question &question, const char *name,
                        const char *formula) {
        QTest::addRow("%s", tag) << question << QString(name) << QString(formula);
    };
    row("sodium with chloride", ionic("sodium", "Na", "1", false, "chloride", "Cl", "1"),
        "sodium chloride", "NaCl");
    row("calcium with hydroxide", ionic("calcium", "Ca", "2", false, "hydroxide", "OH", "1"),
        "calcium hydroxide", "Ca(OH)2");
    row("aluminium with oxide", ionic("aluminium", "Al", "3", false, "oxide", "O", "2"),
        "aluminium oxide", "Al2O3");
    row("tin(IV) with oxide", ionic("tin", "Sn", "4", true, "oxide", "O", "2"), "tin(IV) oxide",
        "SnO2");
    row("iron(III) with sulfate", ionic("iron", "Fe", "3", true, "sulfate", "SO4", "2"),
        "iron(III) sulfate", "Fe2(SO4)3");
    row("ammonium with sulfate", ionic("ammonium", "NH4", "1", false, "sulfate", "SO4", "2"),
        "ammonium sulfate", "(NH4)2SO4");
    row("equal charges cancel", ionic("calcium", "Ca", "2", false, "carbonate", "CO3", "2"),
        "calcium carbonate", "CaCO3");
    row("copper(II) with oxide", ionic("copper", "Cu", "2", true, "oxide", "O", "2"),
        "copper(II) oxide", "CuO");
    row("copper(I) with oxide", ionic("copper", "Cu", "1", true, "oxide", "O", "2"),
        "copper(I) oxide", "Cu2O");
    row("polyatomic cation once stays bare",
        ionic("ammonium", "NH4", "1", false, "chloride", "Cl", "1"), "ammonium chloride", "NH4Cl");
    row("charges 6 and 4 in lowest terms",
        ionic("chromium", "Cr", "6", true, "silicate", "SiO4", "4"), "chromium(VI) silicate",
        "Cr2(SiO4)3");
    row("Hg2 once stays bare", ionic("mercury(I)", "Hg2", "2", false, "chloride", "Cl", "1"),
        "mercury(I) chloride", "Hg2Cl2");
    row("Hg2 three times is parenthesised",
        ionic("mercury(I)", "Hg2", "2", false, "phosphate", "PO4", "3"), "mercury(I) phosphate",
        "(Hg2)3(PO4)2");
    row("O2 three times is parenthesised", ionic("iron", "Fe", "3", true, "peroxide", "O2", "2"),
        "iron(III) peroxide", "Fe2(O2)3");
}

void QuizRulesTest::ionicCompoundIsNamedAndWritten() {
    QFETCH(Question, question);
    QTEST(QuizRules::ionicName(question), "name");
    QTEST(QuizRules::ionicFormula(question), "formula");
}

void QuizRulesTest::ionicHelpDescribesBothIons_data() {
    QTest::addColumn<Question>("question");
    QTest::addColumn<QString>("help");
    QTest::addRow("multivalent names the drawn charge")
        << ionic("iron", "Fe", "3", true, "sulfate", "SO4", "2")
        << "The positive ion is iron, Fe.\r\nIt is multivalent with a charge of +3\r\n\r\n"
           "The negative ion is sulfate.\r\nIts formula is SO4  and its charge is -2";
    QTest::addRow("single charge has no plus sign")
        << ionic("sodium", "Na", "1", false, "chloride", "Cl", "1")
        << "The positive ion is sodium, Na.\r\nIt always has a charge of 1\r\n\r\n"
           "The negative ion is chloride.\r\nIts formula is Cl  and its charge is -1";
}

void QuizRulesTest::ionicHelpDescribesBothIons() {
    QFETCH(Question, question);
    QTEST(QuizRules::ionicHelpText(question), "help");
}

void QuizRulesTest::simpleCovalentCompoundIsNamedAndWritten_data() {
    QTest::addColumn<Question>("question"); // the element's count as cationCharge
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
    const auto row = [](const char *tag, const char *element, const char *symbol, const char *count,
                        const char *anion, const char *formula, const char *anionCharge,
                        const char *expectedName, const char *expectedFormula) {
        QTest::addRow("%s", tag) << ionic(element, symbol, count, false, anion, formula,
                                          anionCharge)
                                 << QString(expectedName) << QString(expectedFormula);
    };
    row("hydrogen with oxide", "hydrogen", "H", "1", "oxide", "O", "2", "dihydrogen monoxide",
        "H2O");
    row("phosphorus 5 with oxide", "phosphorus", "P", "5", "oxide", "O", "2",
        "diphosphorus pentaoxide", "P2O5");
    row("phosphorus 3 with chloride", "phosphorus", "P", "3", "chloride", "Cl", "1",
        "phosphorus trichloride", "PCl3");
    row("both counts 1 keep mono", "iodine", "I", "1", "chloride", "Cl", "1", "iodine monochloride",
        "ICl");
    row("carbon 4 with oxide in lowest terms", "carbon", "C", "4", "oxide", "O", "2",
        "carbon dioxide", "CO2");
    row("sulfur 6 with oxide in lowest terms", "sulfur", "S", "6", "oxide", "O", "2",
        "sulfur trioxide", "SO3");
    row("carbon 2 with oxide reduces to monoxide", "carbon", "C", "2", "oxide", "O", "2",
        "carbon monoxide", "CO");
    row("nitrogen 5 keeps pentaoxide", "nitrogen", "N", "5", "oxide", "O", "2",
        "dinitrogen pentaoxide", "N2O5");
    row("N3 three times is parenthesised", "phosphorus", "P", "3", "azide", "N3", "1",
        "phosphorus triazide", "P(N3)3");
}

void QuizRulesTest::simpleCovalentCompoundIsNamedAndWritten() {
    QFETCH(Question, question);
    QuizRules::composeSimpleCovalent(question);
    QTEST(question.compoundName, "name");
    QTEST(question.formula, "formula");
}

void QuizRulesTest::answerIsJudged_data() {
    QTest::addColumn<bool>("nameAsked");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");
    const auto name = [](const char *tag, const char *expected, const char *typed, bool correct) {
        QTest::addRow("%s", tag) << true << QString(expected) << QString(typed) << correct;
    };
    const auto formula = [](const char *tag, const char *expected, const char *typed,
                            bool correct) {
        QTest::addRow("%s", tag) << false << QString(expected) << QString(typed) << correct;
    };
    name("name as expected", "sodium chloride", "sodium chloride", true);
    name("name in capitals", "sodium chloride", "SODIUM CHLORIDE", true);
    name("name capitalised", "sodium chloride", "Sodium Chloride", true);
    name("name with spaces around", "sodium chloride", "  sodium chloride ", true);
    name("two spaces become one", "sodium chloride", "sodium  chloride", true);
    name("three spaces become two", "sodium chloride", "sodium   chloride", false);
    name("five spaces become three", "a  b  c", "a     b  c", false);
    name("four spaces become two", "a  b", "a    b", true);
    name("words run together", "sodium chloride", "sodiumchloride", false);
    name("numeral in small letters", "iron(III) chloride", "iron(iii) chloride", true);
    name("space before the numeral", "iron(III) chloride", "iron (III) chloride", false);
    name("no space after the numeral", "iron(III) chloride", "iron(III)chloride", false);
    name("old-style name", "iron(III) chloride", "ferric chloride", false);
    name("monooxide for monoxide", "carbon monoxide", "carbon monooxide", false);
    name("tetroxide for tetraoxide", "sulfur tetraoxide", "sulfur tetroxide", false);
    name("leading line break is kept", "sodium chloride", "\r\nsodium chloride", false);
    name("empty answer", "sodium chloride", "", false);
    formula("formula as expected", "NaCl", "NaCl", true);
    formula("formula with spaces around", "NaCl", " NaCl  ", true);
    formula("formula in small letters", "NaCl", "nacl", false);
    formula("formula in capitals", "NaCl", "NACL", false);
    formula("space between symbols", "NaCl", "Na Cl", false);
    formula("Co is not C and O", "CO2", "Co2", false);
    formula("tab is kept", "NaCl", "NaCl\t", false);
    formula("only spaces", "NaCl", "   ", false);
}

void QuizRulesTest::answerIsJudged() {
    QFETCH(bool, nameAsked);
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QTEST(QuizRules::isCorrectAnswer(typed, expected, nameAsked), "correct");
}

void QuizRulesTest::answerKeyListsEveryCompoundInQuizOrder() {
    IonCatalogue catalogue;
    addEntries(catalogue, IonTable::CationsMonovalent, {{"sodium", "Na", "1"}});
    addEntries(catalogue, IonTable::CationsMultivalent, {{"copper", "Cu", "21"}});
    addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
    addEntries(catalogue, IonTable::AnionsDerivative, {{"chlorite", "ClO2", "1"}});
    addEntries(catalogue, IonTable::CovalentSimple,
               {{"carbon", "C", "42"}, {"oxygen", "O", "2"}, {"sulfur", "S", "66"}});
    addEntries(catalogue, IonTable::CovalentComplex,
               {{"water", "H2O", ""}, {"dihydrogen monoxide", "H2O", ""}, {"dry ice", "CO2", ""}});
    using K = CompoundKind;
    const QList<AnswerKeyRow> expected = {
        {K::Ionic, "sodium oxide", "Na2O"},
        {K::Ionic, "sodium chlorite", "NaClO2"},
        {K::Ionic, "copper(II) oxide", "CuO"},
        {K::Ionic, "copper(II) chlorite", "Cu(ClO2)2"},
        {K::Ionic, "copper(I) oxide", "Cu2O"},
        {K::Ionic, "copper(I) chlorite", "CuClO2"},
        {K::SimpleCovalent, "dry ice", "CO2"},
        {K::SimpleCovalent, "carbon monoxide", "CO"},
        {K::SimpleCovalent, "sulfur trioxide", "SO3"},
        {K::SimpleCovalent, "sulfur trioxide", "SO3"},
        {K::ComplexCovalent, "water", "H2O"},
        {K::ComplexCovalent, "water", "H2O"},
        {K::ComplexCovalent, "dry ice", "CO2"},
    };
    QCOMPARE(answerKey(catalogue), expected);
}

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "tst_quizrules.moc"
