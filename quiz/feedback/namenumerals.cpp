#include "quiz/feedback/namenumerals.h"

#include "quiz/feedback/namewords.h"
#include "quiz/feedback/othernames.h"

#include <algorithm>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;
using Form = TypedNumeral::Form;

// The question's cation with its numeral: "iron(III)", or "mercury(I)" as listed.
QString askedCationWithNumeral(const NameCase &c) {
    return c.question.multivalent ? withStockNumeral(c.question.cationName, c.askedNumeral)
                                  : c.question.cationName;
}

// The asked compound's anion, or the anion of an acid such as H2SO4.
std::optional<IonEntry> askedAnion(const NameCase &c) {
    if (c.isIonic())
        return IonEntry{c.question.anionName, c.question.anionFormula, c.question.anionCharge};
    const NamedIon *anion = c.covalent && c.covalent->firstSymbol == u"H"
                                ? c.anionWithFormula(c.covalent->secondSymbol)
                                : nullptr;
    return anion ? std::optional(anion->ion) : std::nullopt;
}

// The asked cation named with a numeral or without, then the asked anion; the numeral may
// stand after the anion instead: "copper sulfate(II)".
struct CationWithNumeral {
    TypedNumeral numeral;
    bool afterAnion;
};

QList<CationWithNumeral> askedCationNumerals(const NameCase &c) {
    QList<CationWithNumeral> found;
    for (const NameSplit &split : c.reading.splits()) {
        if (!c.namesAskedCation(split.first))
            continue;
        if (split.rest == c.anionName)
            found.append({split.first.numeral, false});
        // sulfate(VI) is sulfate with the oxidation number of its sulfur, as older books wrote
        const NamedPart anion = readNamedPart(split.rest);
        if (split.first.numeral.form == Form::None && anion.numeral.isPresent() &&
            anion.name == c.anionName && oxidationNumber(*askedAnion(c)) != anion.numeral.value &&
            !anionByOxidationNumber(c, anion))
            found.append({anion.numeral, true});
    }
    return found;
}

// sulfate(VI) for sulfate, sulfuric(VI) acid for sulfuric acid: the name asked with the
// oxidation number of its oxyanion, as older books wrote it.
bool addsOxidationNumber(const NameCase &c) {
    const std::optional<IonEntry> anion = askedAnion(c);
    const std::optional<int> own = anion ? oxidationNumber(*anion) : std::nullopt;
    const QString &typed = c.reading.text();
    for (qsizetype open = typed.indexOf(u'('); own && open >= 0;
         open = typed.indexOf(u'(', open + 1)) {
        const qsizetype close = typed.indexOf(u')', open);
        const TypedNumeral numeral =
            readNamedPart(QStringView(typed).sliced(open, close < 0 ? 0 : close - open + 1))
                .numeral;
        if (close > open && numeral.form == Form::Stock && numeral.value == *own &&
            QString(typed).remove(open, close - open + 1) == c.expected)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> classical(const NameCase &c) {
    for (const NameSplit &split : c.reading.splits()) {
        const std::optional<ClassicalName> old = classicalName(split.firstText);
        if (!old || old->metal != c.askedCation.base() || c.askedNumeral == 0)
            continue;
        const QString stock = withStockNumeral(old->metal, old->charge);
        if (old->charge == c.askedNumeral)
            return u"the course writes %1 as %2, with a Roman numeral."_s.arg(old->name, stock);
        const std::optional<Question> other = c.withNumeral(old->charge);
        if (other && split.rest == c.anionName)
            return u"%1 is %2, which gives %3; find the numeral that gives %4."_s.arg(
                old->name, stock, other->formula, c.question.formula);
        return u"%1 is %2, not the ion in %3."_s.arg(old->name, stock, c.question.formula);
    }
    return std::nullopt;
}

std::optional<QString> numeralForm(const NameCase &c) {
    for (const auto &[numeral, afterAnion] : askedCationNumerals(c)) {
        if (c.askedNumeral == 0 || numeral.value != c.askedNumeral)
            continue;
        if (afterAnion)
            return u"the numeral goes straight after the metal's name: %1."_s.arg(
                askedCationWithNumeral(c));
        if (numeral.form == Form::Other)
            return u"write the numeral as the course does, Roman and in parentheses: %1."_s.arg(
                askedCationWithNumeral(c));
    }
    return std::nullopt;
}

std::optional<QString> numeralMissing(const NameCase &c) {
    if (c.askedNumeral == 0)
        return std::nullopt;
    for (const auto &[numeral, afterAnion] : askedCationNumerals(c)) {
        if (numeral.form != Form::None)
            continue;
        if (c.question.multivalent)
            return u"%1 has several charges: give its charge as a Roman numeral."_s.arg(
                c.question.cationName);
        return u"%1 forms more than one ion: add the Roman numeral that tells which."_s.arg(
            c.askedCation.base());
    }
    return std::nullopt;
}

std::optional<QString> numeralWrong(const NameCase &c) {
    if (c.askedNumeral == 0)
        return std::nullopt;
    for (const auto &[numeral, afterAnion] : askedCationNumerals(c)) {
        if (numeral.form == Form::None || numeral.value == c.askedNumeral || numeral.value > 10)
            continue;
        if (c.question.multivalent) {
            if (const std::optional<Question> other = c.withNumeral(numeral.value))
                return u"%1 would be %2; find the charge that gives %3."_s.arg(
                    other->compoundName, other->formula, c.question.formula);
            continue;
        }
        if (const NamedIon *listed = c.cationNamed({c.askedCation.base(), numeral}))
            return otherIon(listed->ion.Name, listed->ion.Formula, c.question.cationSymbol);
        return u"the course lists no %1; this formula holds %2."_s.arg(
            withStockNumeral(c.askedCation.base(), numeral.value), c.question.cationSymbol);
    }
    return std::nullopt;
}

std::optional<QString> numeralNotNeeded(const NameCase &c) {
    if (addsOxidationNumber(c))
        return u"the course writes %1 without the numeral."_s.arg(
            c.isIonic() ? c.question.anionName : c.question.compoundName);
    if (c.isIonic()) {
        // Whatever anion follows.
        const QList<NameSplit> &splits = c.reading.splits();
        const QList<CationWithNumeral> afterAnion = askedCationNumerals(c);
        const bool numbered =
            std::any_of(splits.begin(), splits.end(),
                        [&](const NameSplit &split) {
                            return c.namesAskedCation(split.first) &&
                                   split.first.numeral.isPresent();
                        }) ||
            std::any_of(afterAnion.begin(), afterAnion.end(),
                        [](const CationWithNumeral &typed) { return typed.afterAnion; });
        if (c.askedNumeral != 0 || !numbered)
            return std::nullopt;
        return u"%1 has only one charge, so its name takes no numeral."_s.arg(
            c.question.cationName);
    }
    for (const NameSplit &split : c.reading.splits()) {
        if (c.covalent && split.first.numeral.isPresent() &&
            isPrefixed(split.first.name, c.covalent->firstName))
            return u"molecules are named with Greek prefixes, not Roman numerals."_s;
    }
    return std::nullopt;
}

} // namespace QuizRules
