#include "quiz/feedback/formulafeedback.h"

#include "catalogue/datatext.h"
#include "catalogue/namingtables.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/feedbackrule.h"
#include "quiz/feedback/formulareading.h"

#include <QRegularExpression>

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
        if (isIonic() && cationCharge > 0 && anionCharge > 0)
            rightIons = readTwoParts(answer, {cation}, {anion});
    }

    bool isIonic() const { return question.kind == CompoundKind::Ionic; }
    bool isNeutral(const TwoPartReading &reading) const {
        return reading.first.count * cationCharge == reading.second.count * anionCharge;
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
    // The answer read as the question's own cation and anion, with any counts.
    QList<TwoPartReading> rightIons;
};

using Explanation = std::optional<QString>;

Explanation symbolCase(const FormulaCase &c) {
    const QString &expected = c.question.formula;
    const QString &typed = c.answer;
    if (typed.size() != expected.size() || typed.compare(expected, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // The symbols round the first wrong letter, as far as either text has small letters.
    const auto insideSymbol = [&](qsizetype at) {
        return expected[at].isLower() || typed[at].isLower();
    };
    qsizetype at = 0;
    while (typed[at] == expected[at])
        ++at;
    qsizetype start = at;
    while (start > 0 && insideSymbol(start))
        --start;
    qsizetype end = at + 1;
    while (end < typed.size() && insideSymbol(end))
        ++end;
    return u"write %1, not %2: a symbol is one capital letter, then small ones."_s.arg(
        expected.sliced(start, end - start), typed.sliced(start, end - start));
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
    if (!c.answer.contains(u'+') && !c.answer.contains(u'-'))
        return std::nullopt;
    return u"leave the charges out: they only decide the counts."_s;
}

Explanation orderReversed(const FormulaCase &c) {
    if (c.question.kind == CompoundKind::ComplexCovalent ||
        readTwoParts(c.answer, {c.anion}, {c.cation}).isEmpty())
        return std::nullopt;
    return (c.isIonic() ? u"the cation comes first: write %1 before %2."_s
                        : u"write %1 before %2 in this formula."_s)
        .arg(c.cation.Formula, c.anion.Formula);
}

Explanation notLowestTerms(const FormulaCase &c) {
    for (const TwoPartReading &reading : c.rightIons) {
        const int factor = std::gcd(reading.first.count, reading.second.count);
        if (c.isNeutral(reading) && factor > 1)
            return u"the counts %1 and %2 share the factor %3: divide it out."_s.arg(
                QString::number(reading.first.count), QString::number(reading.second.count),
                QString::number(factor));
    }
    return std::nullopt;
}

Explanation missingParentheses(const FormulaCase &c) {
    static const QRegularExpression group(QStringLiteral("\\(([^()]+)\\)([0-9]+)"));
    const QRegularExpressionMatch firstGroup = group.match(c.question.formula);
    if (!c.isIonic() || !firstGroup.hasMatch() ||
        QString(c.question.formula).remove(u'(').remove(u')') != c.answer)
        return std::nullopt;
    return u"put %1 in parentheses before its count: (%1)%2."_s.arg(firstGroup.captured(1),
                                                                    firstGroup.captured(2));
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

Explanation numeralAsSubscript(const FormulaCase &c) {
    if (!c.question.multivalent)
        return std::nullopt;
    for (const TwoPartReading &reading : c.rightIons) {
        if (reading.first.count == c.cationCharge && !c.isNeutral(reading))
            return u"the numeral %1 is the charge of %2, +%3, not its count."_s.arg(
                NamingTables::romanNumeral(c.cationCharge), c.cation.Formula,
                c.question.cationCharge);
    }
    return std::nullopt;
}

Explanation chargesUnbalanced(const FormulaCase &c) {
    for (const TwoPartReading &reading : c.rightIons) {
        if (!c.isNeutral(reading))
            return u"%1 is +%2 and %3 is -%4: take enough of each for +%5 and -%5."_s.arg(
                c.cation.Formula, c.question.cationCharge, c.anion.Formula, c.question.anionCharge,
                QString::number(std::lcm(c.cationCharge, c.anionCharge)));
    }
    return std::nullopt;
}

// What the answer holds instead of the ion asked.
QString otherIon(const IonEntry &typed, const IonEntry &asked) {
    return u"%1 is %2; the name asks for %3."_s.arg(typed.Formula, typed.Name, asked.Name);
}

Explanation wrongAnion(const FormulaCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    const QString family = anionFamily(c.anion.Formula);
    for (const TwoPartReading &reading :
         readTwoParts(c.answer, {c.cation}, listedAnions(c.catalogue))) {
        const IonEntry &typed = reading.second.ion;
        if (typed.Formula != c.anion.Formula && anionFamily(typed.Formula) == family)
            return otherIon(typed, c.anion);
    }
    return std::nullopt;
}

Explanation wrongIon(const FormulaCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    const std::optional<TwoPartReading> found = readingWithOtherIons(
        readTwoParts(c.answer, listedCations(c.catalogue), listedAnions(c.catalogue)),
        c.cation.Formula, c.anion.Formula);
    if (!found)
        return std::nullopt;
    const IonEntry &cation = found->first.ion;
    const IonEntry &anion = found->second.ion;
    if (anion.Formula == c.anion.Formula)
        return otherIon(cation, c.cation);
    if (cation.Formula == c.cation.Formula)
        return otherIon(anion, c.anion);
    return u"%1 is %2 and %3 is %4; the name asks for neither."_s.arg(cation.Formula, cation.Name,
                                                                      anion.Formula, anion.Name);
}

Explanation covalentCount(const FormulaCase &c) {
    if (c.isIonic())
        return std::nullopt;
    const std::optional<QList<ElementRun>> typed = elementRuns(c.answer);
    const std::optional<QList<ElementRun>> expected = elementRuns(c.question.formula);
    const auto sameElement = [](const ElementRun &a, const ElementRun &b) {
        return a.symbol == b.symbol;
    };
    if (!typed || !expected ||
        !std::equal(typed->begin(), typed->end(), expected->begin(), expected->end(), sameElement))
        return std::nullopt;
    // H2O1 runs as H2O does.
    const auto otherCount = std::mismatch(typed->begin(), typed->end(), expected->begin()).first;
    if (otherCount == typed->end())
        return std::nullopt;
    return u"the count of %1 does not fit %2."_s.arg(otherCount->symbol, c.question.compoundName);
}

const FeedbackRule<FormulaCase> FormulaRules[] = {
    {AnswerCategory::SymbolCase, symbolCase},
    {AnswerCategory::WrongForm, wrongForm},
    {AnswerCategory::ChargesWritten, chargesWritten},
    {AnswerCategory::OrderReversed, orderReversed},
    {AnswerCategory::NotLowestTerms, notLowestTerms},
    {AnswerCategory::MissingParentheses, missingParentheses},
    {AnswerCategory::ExtraParentheses, extraParentheses},
    {AnswerCategory::OtherCharge, otherCharge},
    {AnswerCategory::NumeralAsSubscript, numeralAsSubscript},
    {AnswerCategory::ChargesUnbalanced, chargesUnbalanced},
    {AnswerCategory::WrongAnion, wrongAnion},
    {AnswerCategory::WrongIon, wrongIon},
    {AnswerCategory::CovalentCount, covalentCount},
};

} // namespace

AnswerFeedback formulaMistake(const Question &question, const QString &answer,
                              const IonCatalogue &catalogue) {
    return firstRuleMet<FormulaCase>(FormulaRules, FormulaCase(question, answer, catalogue));
}

} // namespace QuizRules
