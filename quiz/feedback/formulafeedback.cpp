#include "quiz/feedback/formulafeedback.h"

#include "catalogue/datatext.h"
#include "catalogue/namingtables.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/feedbackrule.h"
#include "quiz/feedback/formulareading.h"
#include "quiz/feedback/formulasymbols.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

// A charge the composition can use, 1 to 9; 0 for anything else, which no rule of charges
// then reads.
int chargeValue(const QString &charge) {
    return charge.size() == 1 && isDigit(charge[0]) ? charge.toInt() : 0;
}

// The question and answer, with what several rules read from them.
struct FormulaCase {
    FormulaCase(const Question &question, const QString &answer, const IonCatalogue &catalogue)
        : question(question)
        , answer(answer)
        , catalogue(catalogue)
        , cation{question.cationName, question.cationSymbol, question.cationCharge}
        , anion{question.anionName, question.anionFormula, question.anionCharge}
        , cationCharge(chargeValue(question.cationCharge))
        , anionCharge(chargeValue(question.anionCharge)) {
        // The question's own ions first, so that they win a tie with a listed namesake.
        if (isIonic())
            reading = chemistsReading(answer, IonCandidates{&cation} + cationCandidates(catalogue),
                                      IonCandidates{&anion} + anionCandidates(catalogue));
    }

    bool isIonic() const { return question.kind == CompoundKind::Ionic; }
    // The reading, when it holds the question's own ions, whatever their counts.
    const TwoPartReading *askedIons() const {
        const bool asked = reading && cationCharge > 0 && anionCharge > 0 &&
                           reading->first.ion.Formula == cation.Formula &&
                           reading->second.ion.Formula == anion.Formula;
        return asked ? &*reading : nullptr;
    }
    bool isNeutral(const TwoPartReading &ions) const {
        return ions.first.count * cationCharge == ions.second.count * anionCharge;
    }
    // "chromium(III)"
    QString cationWithNumeral() const {
        return question.cationName + u'(' + NamingTables::romanNumeral(cationCharge) + u')';
    }

    const Question &question;
    const QString &answer;
    const IonCatalogue &catalogue;
    IonEntry cation;
    IonEntry anion;
    int cationCharge;
    int anionCharge;
    // How a chemist reads the answer of an ionic question, in listed ions; every rule that
    // names the answer's ions names these.
    std::optional<TwoPartReading> reading;
};

using Explanation = std::optional<QString>;

Explanation symbolCase(const FormulaCase &c) {
    return symbolCaseSlip(c.question, c.answer);
}

Explanation letterDigit(const FormulaCase &c) {
    return lookAlikeSlip(c.question.formula, c.answer);
}

Explanation wrongForm(const FormulaCase &c) {
    if (readsAsFormula(c.answer))
        return std::nullopt;
    if (c.answer.compare(c.question.compoundName, Qt::CaseInsensitive) == 0)
        return u"that is the name; the formula is asked, in symbols and counts."_s;
    if (c.answer.contains(u' '))
        return u"a formula has no spaces: write its symbols and counts together."_s;
    return u"a formula starts with a symbol, and a symbol with a capital letter."_s;
}

Explanation chargesWritten(const FormulaCase &c) {
    // Signs on the line, raised, and the minus sign of mathematics.
    const bool holdsSign = std::any_of(c.answer.begin(), c.answer.end(), [](QChar character) {
        return QStringView(u"+-\u207A\u207B\u2212").contains(character);
    });
    if (!holdsSign)
        return std::nullopt;
    return u"leave the charges out: they only decide the counts."_s;
}

// A molecule of two elements written back to front: OC, H3N.
Explanation moleculeReversed(const FormulaCase &c) {
    const std::optional<QList<ElementRun>> typed = elementRuns(c.answer);
    const std::optional<QList<ElementRun>> expected = elementRuns(c.question.formula);
    if (!typed || !expected || expected->size() != 2 ||
        *typed != QList{expected->back(), expected->front()})
        return std::nullopt;
    return u"write %1 before %2 in this formula."_s.arg(expected->front().symbol,
                                                        expected->back().symbol);
}

Explanation orderReversed(const FormulaCase &c) {
    if (c.question.kind == CompoundKind::ComplexCovalent)
        return moleculeReversed(c);
    if (!chemistsReading(c.answer, {&c.anion}, {&c.cation}))
        return std::nullopt;
    return (c.isIonic() ? u"the cation comes first: write %1 before %2."_s
                        : u"write %1 before %2 in this formula."_s)
        .arg(c.cation.Formula, c.anion.Formula);
}

Explanation notLowestTerms(const FormulaCase &c) {
    const TwoPartReading *ions = c.askedIons();
    if (!ions || !c.isNeutral(*ions))
        return std::nullopt;
    const int factor = std::gcd(ions->first.count, ions->second.count);
    if (factor == 1)
        return std::nullopt;
    return u"the counts %1 and %2 share the factor %3: divide it out."_s.arg(
        QString::number(ions->first.count), QString::number(ions->second.count),
        QString::number(factor));
}

Explanation missingParentheses(const FormulaCase &c) {
    const TwoPartReading *ions = c.askedIons();
    if (!ions || !c.isNeutral(*ions))
        return std::nullopt;
    for (const FormulaPart &part : {ions->first, ions->second}) {
        if (!part.parenthesised && formulaPart(part.ion.Formula, part.count).startsWith(u'('))
            return u"put %1 in parentheses before its count: (%1)%2."_s.arg(
                part.ion.Formula, QString::number(part.count));
    }
    return std::nullopt;
}

Explanation extraParentheses(const FormulaCase &c) {
    if (!c.isIonic() || withoutExtraParentheses(c.answer) != c.question.formula)
        return std::nullopt;
    if (c.answer.count(u'(') > c.question.formula.count(u'('))
        return u"parentheses go only round a group of atoms with a count over 1."_s;
    return u"a count of 1 is never written."_s;
}

Explanation otherCharge(const FormulaCase &c) {
    if (!c.isIonic() || !c.question.multivalent)
        return std::nullopt;
    const IonCategory &metals = c.catalogue.table(IonTable::CationsMultivalent);
    for (int row = 1; row <= metals.count(); ++row) {
        const IonEntry &metal = metals.entry(row);
        if (metal.Name != c.cation.Name || metal.Formula != c.cation.Formula)
            continue;
        // The charge asked gives the formula asked, which the answer is not.
        for (QChar charge : metal.Charges) {
            Question other = c.question;
            other.cationCharge = charge;
            if (ionicFormula(other) == c.answer)
                return u"%1 is %2; %3 has the charge +%4."_s.arg(
                    c.answer, ionicName(other), c.cationWithNumeral(), c.question.cationCharge);
        }
    }
    return std::nullopt;
}

// A Roman numeral after the cation: "Fe(III)Cl3", "FeIIICl3".
bool holdsNumeral(const FormulaCase &c) {
    if (!c.answer.startsWith(c.cation.Formula))
        return false;
    const QStringView rest = QStringView(c.answer).sliced(c.cation.Formula.size());
    const qsizetype close = rest.indexOf(u')');
    const bool inParentheses =
        rest.startsWith(u'(') && close > 1 &&
        std::all_of(rest.begin() + 1, rest.begin() + close,
                    [](QChar letter) { return QStringView(u"IVX").contains(letter); });
    // A bare I could be iodine.
    const QString numeral = NamingTables::romanNumeral(c.cationCharge);
    return inParentheses || (numeral.size() > 1 && rest.startsWith(numeral));
}

Explanation numeralAsSubscript(const FormulaCase &c) {
    if (!c.question.multivalent)
        return std::nullopt;
    if (holdsNumeral(c))
        return u"the numeral belongs in the name; in a formula the counts show the charge."_s;
    // Only a charge above 1 can be taken for a count.
    const TwoPartReading *ions = c.askedIons();
    if (!ions || c.cationCharge < 2 || ions->first.count != c.cationCharge || c.isNeutral(*ions))
        return std::nullopt;
    return u"the numeral %1 is the charge of %2, +%3, not its count."_s.arg(
        NamingTables::romanNumeral(c.cationCharge), c.cation.Formula, c.question.cationCharge);
}

// The atoms of an ion: more than one, or it has no atoms to write out.
std::optional<QList<ElementRun>> atomsOfIon(const IonEntry &ion) {
    std::optional<QList<ElementRun>> runs = elementRuns(ion.Formula);
    if (runs && runs->size() == 1 && runs->front().count == 1)
        return std::nullopt;
    return runs;
}

Explanation ionExpanded(const FormulaCase &c) {
    if (!c.isIonic() || c.reading)
        return std::nullopt;
    for (const auto &[ion, group] : {std::pair{&c.anion, groupAfter(c.answer, c.cation)},
                                     std::pair{&c.cation, groupBefore(c.answer, c.anion)}}) {
        const std::optional<QList<ElementRun>> atoms = atomsOfIon(*ion);
        const int times = group && atoms ? timesHeld(group->runs, *atoms) : 0;
        if (times == 1)
            return u"write %1 as %2, not %3."_s.arg(ion->Name, ion->Formula, group->text);
        if (times > 1)
            return u"%1 is %2 multiplied out: keep %3 whole, in parentheses with its count."_s.arg(
                group->text, ion->Name, ion->Formula);
    }
    return std::nullopt;
}

Explanation chargesUnbalanced(const FormulaCase &c) {
    const TwoPartReading *ions = c.askedIons();
    if (!ions || c.isNeutral(*ions))
        return std::nullopt;
    return u"%1 is +%2 and %3 is -%4: take enough of each for +%5 and -%5."_s.arg(
        c.cation.Formula, c.question.cationCharge, c.anion.Formula, c.question.anionCharge,
        QString::number(std::lcm(c.cationCharge, c.anionCharge)));
}

// Two formulas of the same elements with other counts, as NH3 and NH4.
bool sameElements(const QString &a, const QString &b) {
    const std::optional<QList<ElementRun>> aRuns = elementRuns(a);
    const std::optional<QList<ElementRun>> bRuns = elementRuns(b);
    return a != b && aRuns && bRuns && sameSymbols(*aRuns, *bRuns);
}

// The answer with the molecule that opens it, bare or in parentheses, written as the ion.
std::optional<QString> withIonFor(const QString &answer, const QString &molecule,
                                  const QString &ion) {
    const qsizetype at = answer.startsWith(u'(') ? 1 : 0;
    if (!QStringView(answer).sliced(at).startsWith(molecule))
        return std::nullopt;
    return QString(answer).replace(at, molecule.size(), ion);
}

// A molecule where the ion of its elements belongs, or the other way round.
Explanation ammoniaAmmonium(const FormulaCase &c) {
    if (c.isIonic()) {
        const IonCategory &molecules = c.catalogue.table(IonTable::CovalentComplex);
        for (int row = 1; row <= molecules.count(); ++row) {
            const IonEntry &molecule = molecules.entry(row);
            const std::optional<QString> mended =
                withIonFor(c.answer, molecule.Formula, c.cation.Formula);
            if (mended && sameElements(molecule.Formula, c.cation.Formula) &&
                chemistsReading(*mended, {&c.cation}, {&c.anion}))
                return u"%1 is %2, a molecule; the ion %3 is %4."_s.arg(
                    molecule.Formula, molecule.Name, c.cation.Name, c.cation.Formula);
        }
    } else if (c.question.kind == CompoundKind::ComplexCovalent) {
        for (const IonEntry *ion : cationCandidates(c.catalogue)) {
            if (c.answer == ion->Formula && sameElements(ion->Formula, c.question.formula))
                return u"%1 is the ion %2; %3 is a molecule, with no charge."_s.arg(
                    ion->Formula, ion->Name, c.question.compoundName);
        }
    }
    return std::nullopt;
}

// What the answer holds instead of the ion asked.
QString otherIon(const IonEntry &typed, const IonEntry &asked) {
    return u"%1 is %2; the name asks for %3."_s.arg(typed.Formula, typed.Name, asked.Name);
}

// Cations of the same elements, as Hg2 and Hg, are told apart by their formulas.
QString otherCation(const IonEntry &typed, const IonEntry &asked) {
    if (sameElements(typed.Formula, asked.Formula))
        return u"%1 is %2; %3 is %4."_s.arg(typed.Formula, typed.Name, asked.Name, asked.Formula);
    return otherIon(typed, asked);
}

Explanation wrongAnion(const FormulaCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    if (c.reading) {
        const IonEntry &typed = c.reading->second.ion;
        if (c.reading->first.ion.Formula != c.cation.Formula || typed.Formula == c.anion.Formula ||
            anionFamily(typed.Formula) != anionFamily(c.anion.Formula))
            return std::nullopt;
        return otherIon(typed, c.anion);
    }
    // No listed ion, but the asked one's atoms with another count: NaNO for NaNO3.
    const std::optional<AtomGroup> group = groupAfter(c.answer, c.cation);
    const std::optional<QList<ElementRun>> asked = elementRuns(c.anion.Formula);
    if (!group || !asked || !sameSymbols(group->runs, *asked) || group->runs == *asked)
        return std::nullopt;
    const auto otherCount = std::mismatch(asked->begin(), asked->end(), group->runs.begin()).first;
    return u"%1 is not %2: check the count of %3."_s.arg(group->text, c.anion.Name,
                                                         otherCount->symbol);
}

Explanation wrongIon(const FormulaCase &c) {
    if (!c.reading)
        return std::nullopt;
    const IonEntry &cation = c.reading->first.ion;
    const IonEntry &anion = c.reading->second.ion;
    const bool rightCation = cation.Formula == c.cation.Formula;
    const bool rightAnion = anion.Formula == c.anion.Formula;
    if (rightCation && rightAnion)
        return std::nullopt;
    if (rightAnion)
        return otherCation(cation, c.cation);
    if (rightCation)
        return otherIon(anion, c.anion);
    return u"%1 is %2 and %3 is %4; the name asks for neither."_s.arg(cation.Formula, cation.Name,
                                                                      anion.Formula, anion.Name);
}

Explanation wrongSymbol(const FormulaCase &c) {
    return otherSymbol(c.question.formula, c.answer);
}

Explanation covalentCount(const FormulaCase &c) {
    if (c.isIonic())
        return std::nullopt;
    const std::optional<QList<ElementRun>> typed = elementRuns(c.answer);
    const std::optional<QList<ElementRun>> expected = elementRuns(c.question.formula);
    if (!typed || !expected || !sameSymbols(*typed, *expected))
        return std::nullopt;
    // H2O1 runs as H2O does.
    const auto otherCount = std::mismatch(typed->begin(), typed->end(), expected->begin()).first;
    if (otherCount == typed->end())
        return std::nullopt;
    return u"the count of %1 does not fit %2."_s.arg(otherCount->symbol, c.question.compoundName);
}

const FeedbackRule<FormulaCase> FormulaRules[] = {
    {AnswerCategory::SymbolCase, symbolCase},
    {AnswerCategory::LetterDigit, letterDigit},
    {AnswerCategory::WrongForm, wrongForm},
    {AnswerCategory::ChargesWritten, chargesWritten},
    {AnswerCategory::OrderReversed, orderReversed},
    {AnswerCategory::NotLowestTerms, notLowestTerms},
    {AnswerCategory::MissingParentheses, missingParentheses},
    {AnswerCategory::ExtraParentheses, extraParentheses},
    {AnswerCategory::OtherCharge, otherCharge},
    {AnswerCategory::NumeralAsSubscript, numeralAsSubscript},
    {AnswerCategory::IonExpanded, ionExpanded},
    {AnswerCategory::ChargesUnbalanced, chargesUnbalanced},
    {AnswerCategory::AmmoniaAmmonium, ammoniaAmmonium},
    {AnswerCategory::WrongAnion, wrongAnion},
    {AnswerCategory::WrongIon, wrongIon},
    {AnswerCategory::WrongSymbol, wrongSymbol},
    {AnswerCategory::CovalentCount, covalentCount},
};

} // namespace

AnswerFeedback formulaMistake(const Question &question, const QString &answer,
                              const IonCatalogue &catalogue) {
    return firstRuleMet<FormulaCase>(FormulaRules, FormulaCase(question, answer, catalogue));
}

} // namespace QuizRules
