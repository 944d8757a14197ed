#include "answercheck.h"
#include "answerkey.h"
#include "composition.h"
#include "samplecatalogue.h"

#include <QTest>

namespace {

// "iron Fe 3* sulfate SO4 2": cation, symbol, charge (* when drawn from several), anion,
// formula, anion charge. For covalent compounds the third field is the element's count.
Question question(const QString &parts) {
    const QStringList part = parts.split(u' ');
    Question question;
    question.takeCation({part[0], part[1], {}}, QString(part[2]).remove(u'*'));
    question.multivalent = part[2].endsWith(u'*');
    question.takeAnion({part[3], part[4], part[5]});
    return question;
}

void addCompoundRow(const char *tag, const char *parts, const char *name, const char *formula) {
    QTest::addRow("%s", tag) << question(parts) << QString(name) << QString(formula);
}

void addCompoundColumns() {
    QTest::addColumn<Question>("question");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formula");
}

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void ionicCompoundIsNamedAndWritten_data() {
        addCompoundColumns();
        addCompoundRow("sodium with chloride", "sodium Na 1 chloride Cl 1", "sodium chloride",
                       "NaCl");
        addCompoundRow("calcium with hydroxide", "calcium Ca 2 hydroxide OH 1", "calcium hydroxide",
                       "Ca(OH)2");
        addCompoundRow("aluminium with oxide", "aluminium Al 3 oxide O 2", "aluminium oxide",
                       "Al2O3");
        addCompoundRow("tin(IV) with oxide", "tin Sn 4* oxide O 2", "tin(IV) oxide", "SnO2");
        addCompoundRow("iron(III) with sulfate", "iron Fe 3* sulfate SO4 2", "iron(III) sulfate",
                       "Fe2(SO4)3");
        addCompoundRow("ammonium with sulfate", "ammonium NH4 1 sulfate SO4 2", "ammonium sulfate",
                       "(NH4)2SO4");
        addCompoundRow("equal charges cancel", "calcium Ca 2 carbonate CO3 2", "calcium carbonate",
                       "CaCO3");
        addCompoundRow("copper(II) with oxide", "copper Cu 2* oxide O 2", "copper(II) oxide",
                       "CuO");
        addCompoundRow("copper(I) with oxide", "copper Cu 1* oxide O 2", "copper(I) oxide", "Cu2O");
        addCompoundRow("polyatomic cation once is bare", "ammonium NH4 1 chloride Cl 1",
                       "ammonium chloride", "NH4Cl");
        addCompoundRow("charges 6 and 4 in lowest terms", "chromium Cr 6* silicate SiO4 4",
                       "chromium(VI) silicate", "Cr2(SiO4)3");
        addCompoundRow("Hg2 once is bare", "mercury(I) Hg2 2 chloride Cl 1", "mercury(I) chloride",
                       "Hg2Cl2");
        addCompoundRow("Hg2 three times in parentheses", "mercury(I) Hg2 2 phosphate PO4 3",
                       "mercury(I) phosphate", "(Hg2)3(PO4)2");
        addCompoundRow("O2 three times in parentheses", "iron Fe 3* peroxide O2 2",
                       "iron(III) peroxide", "Fe2(O2)3");
    }
    void ionicCompoundIsNamedAndWritten() {
        QFETCH(Question, question);
        QTEST(QuizRules::ionicName(question), "name");
        QTEST(QuizRules::ionicFormula(question), "formula");
    }

    void ionicHelpDescribesBothIons_data() {
        QTest::addColumn<Question>("question");
        QTest::addColumn<QString>("help");
        QTest::addRow("multivalent names the drawn charge")
            << question("iron Fe 3* sulfate SO4 2")
            << "The positive ion is iron, Fe.\r\nIt is multivalent with a charge of +3\r\n\r\n"
               "The negative ion is sulfate.\r\nIts formula is SO4  and its charge is -2";
        QTest::addRow("single charge has no plus sign")
            << question("sodium Na 1 chloride Cl 1")
            << "The positive ion is sodium, Na.\r\nIt always has a charge of 1\r\n\r\n"
               "The negative ion is chloride.\r\nIts formula is Cl  and its charge is -1";
    }
    void ionicHelpDescribesBothIons() {
        QFETCH(Question, question);
        QTEST(QuizRules::ionicHelpText(question), "help");
    }

    void simpleCovalentCompoundIsNamedAndWritten_data() {
        addCompoundColumns();
        addCompoundRow("hydrogen with oxide", "hydrogen H 1 oxide O 2", "dihydrogen monoxide",
                       "H2O");
        addCompoundRow("phosphorus 5 with oxide", "phosphorus P 5 oxide O 2",
                       "diphosphorus pentaoxide", "P2O5");
        addCompoundRow("phosphorus 3 with chloride", "phosphorus P 3 chloride Cl 1",
                       "phosphorus trichloride", "PCl3");
        addCompoundRow("both counts 1 keep mono", "iodine I 1 chloride Cl 1", "iodine monochloride",
                       "ICl");
        addCompoundRow("carbon 4 with oxide in lowest terms", "carbon C 4 oxide O 2",
                       "carbon dioxide", "CO2");
        addCompoundRow("sulfur 6 with oxide in lowest terms", "sulfur S 6 oxide O 2",
                       "sulfur trioxide", "SO3");
        addCompoundRow("carbon 2 with oxide reduces to monoxide", "carbon C 2 oxide O 2",
                       "carbon monoxide", "CO");
        addCompoundRow("N3 three times in parentheses", "phosphorus P 3 azide N3 1",
                       "phosphorus triazide", "P(N3)3");
    }
    void simpleCovalentCompoundIsNamedAndWritten() {
        QFETCH(Question, question);
        QuizRules::composeSimpleCovalent(question);
        QTEST(question.compoundName, "name");
        QTEST(question.formula, "formula");
    }

    void answerIsJudged_data() {
        QTest::addColumn<QString>("expected"); // a formula when it has no space
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("correct");
        const auto row = [](const char *tag, const char *expected, const char *typed,
                            bool correct) {
            QTest::addRow("%s", tag) << QString(expected) << QString(typed) << correct;
        };
        row("name in capitals", "sodium chloride", "SODIUM CHLORIDE", true);
        row("name capitalised", "sodium chloride", "Sodium Chloride", true);
        row("name with spaces around", "sodium chloride", "  sodium chloride ", true);
        row("two spaces become one", "sodium chloride", "sodium  chloride", true);
        row("three spaces become two", "sodium chloride", "sodium   chloride", false);
        row("four spaces become two", "a  b", "a    b", true);
        row("five spaces become three", "a  b", "a     b", false);
        row("words run together", "sodium chloride", "sodiumchloride", false);
        row("numeral in small letters", "iron(III) chloride", "iron(iii) chloride", true);
        row("space before the numeral", "iron(III) chloride", "iron (III) chloride", false);
        row("no space after the numeral", "iron(III) chloride", "iron(III)chloride", false);
        row("old-style name", "iron(III) chloride", "ferric chloride", false);
        row("monooxide for monoxide", "carbon monoxide", "carbon monooxide", false);
        row("tetroxide for tetraoxide", "sulfur tetraoxide", "sulfur tetroxide", false);
        row("leading line break is kept", "sodium chloride", "\r\nsodium chloride", false);
        row("empty name", "sodium chloride", "", false);
        row("formula with spaces around", "NaCl", " NaCl  ", true);
        row("formula in small letters", "NaCl", "nacl", false);
        row("formula in capitals", "NaCl", "NACL", false);
        row("space between symbols", "NaCl", "Na Cl", false);
        row("Co is not C and O", "CO2", "Co2", false);
        row("tab is kept", "NaCl", "NaCl\t", false);
        row("only spaces", "NaCl", "   ", false);
    }
    void answerIsJudged() {
        QFETCH(QString, expected);
        QFETCH(QString, typed);
        QTEST(QuizRules::isCorrectAnswer(typed, expected, expected.contains(u' ')), "correct");
    }

    void answerKeyListsEveryCompoundInQuizOrder() {
        IonCatalogue catalogue;
        addEntries(catalogue, IonTable::CationsMonovalent, {{"sodium", "Na", "1"}});
        addEntries(catalogue, IonTable::CationsMultivalent, {{"copper", "Cu", "21"}});
        addEntries(catalogue, IonTable::AnionsSimple, {{"oxide", "O", "2"}});
        addEntries(catalogue, IonTable::AnionsDerivative, {{"chlorite", "ClO2", "1"}});
        addEntries(catalogue, IonTable::CovalentSimple,
                   {{"carbon", "C", "42"}, {"oxygen", "O", "2"}, {"sulfur", "S", "66"}});
        addEntries(
            catalogue, IonTable::CovalentComplex,
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
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "tst_quizrules.moc"
