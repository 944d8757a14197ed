#include "quiz/feedback/namewords.h"

#include "catalogue/elements.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/formulareading.h"
#include "quiz/feedback/othernames.h"

#include <QRegularExpression>

#include <algorithm>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

// hypo or per, the stem, and the ending of an oxyanion's or -ide's name; nothing for others.
QRegularExpressionMatch anionWordParts(QStringView word) {
    static const QRegularExpression parts(QStringLiteral("^(hypo|per)?([a-z]+?)(ide|ite|ate)$"));
    return parts.match(word.toString());
}

// The family's stems: "chlor" for chlorate, chlorite and the rest of the chlorine family.
bool familyHasStem(const NameCase &c, QStringView stem, bool &hasHypoOrPer) {
    const QString family = anionFamily(c.question.anionFormula);
    bool found = false;
    hasHypoOrPer = false;
    for (const NamedIon &anion : c.anions) {
        const QRegularExpressionMatch listed = anionWordParts(anion.name);
        if (!listed.hasMatch() || anionFamily(anion.ion.Formula) != family ||
            listed.capturedView(2) != stem)
            continue;
        found = true;
        hasHypoOrPer = hasHypoOrPer || listed.hasCaptured(1);
    }
    return found;
}

// The symbol of the element that a word names, as an element or as a simple anion, with a
// Greek prefix or without: "tetraoxide" gives O; empty for other words.
QString atomNamed(const NameCase &c, QStringView word) {
    for (const PrefixedWord &reading : prefixReadings(word)) {
        if (const Element *element = elementNamed(reading.stem))
            return element->symbol.toString();
        if (const NamedIon *anion = c.anionNamed(reading.stem);
            anion && Elements::bySymbol(anion->ion.Formula))
            return anion->ion.Formula;
    }
    return {};
}

// The compound of the covalent list that the name stands for.
const IonEntry *moleculeNamed(const NameCase &c, QStringView name) {
    const IonCategory &molecules = c.catalogue.table(IonTable::CovalentComplex);
    for (int row = 1; row <= molecules.count(); ++row) {
        if (c.spelling(molecules.entry(row).Name) == name)
            return &molecules.entry(row);
    }
    return nullptr;
}

// The listed anion an acid's name is made from: sulfuric acid from sulfate, nitrous acid from
// nitrite, hydrochloric acid from chloride.
const NamedIon *acidAnion(const NameCase &c) {
    static const QRegularExpression acid(QStringLiteral("^(hydro)?([a-z]+?)(ic|ous) acid$"));
    const QRegularExpressionMatch parts = acid.match(c.reading.text());
    if (!parts.hasMatch())
        return nullptr;
    const bool hydro = parts.hasCaptured(1);
    const bool ic = parts.captured(3) == u"ic";
    if (hydro && !ic)
        return nullptr;
    const QString ending = hydro ? u"ide"_s : ic ? u"ate"_s : u"ite"_s;
    // sulfur-ic and phosphor-ic keep letters that sulf-ate and phosph-ate drop
    const QString stem = parts.captured(2);
    for (QStringView kept : {u"", u"ur", u"or"}) {
        if (!stem.endsWith(kept))
            continue;
        if (const NamedIon *anion = c.anionNamed(stem.chopped(kept.size()) + ending))
            return anion;
    }
    return nullptr;
}

bool holdsOxygen(const QString &formula) {
    const std::optional<QList<ElementRun>> runs = elementRuns(formula);
    return runs && std::any_of(runs->begin(), runs->end(),
                               [](const ElementRun &run) { return run.symbol == u"O"; });
}

bool isChemistryWord(const NameCase &c, QStringView word) {
    // methanol for methane: the small organic compounds every course meets
    static const QRegularExpression organic(
        QStringLiteral("^(meth|eth|prop|but)(ane|ene|yne|anol|anal|anoic)$"));
    if (word == u"ammonia" || organic.match(word.toString()).hasMatch() || elementNamed(word) ||
        classicalName(word) || biNameAnion(word) || courseIonName(word))
        return true;
    const auto named = [word](const NamedIon &ion) { return ion.base() == word; };
    if (std::any_of(c.cations.begin(), c.cations.end(), named) ||
        std::any_of(c.anions.begin(), c.anions.end(), named))
        return true;
    const IonCategory &molecules = c.catalogue.table(IonTable::CovalentComplex);
    for (int row = 1; row <= molecules.count(); ++row) {
        if (c.spelling(molecules.entry(row).Name).split(u' ').contains(word))
            return true;
    }
    return false;
}

} // namespace

std::optional<int> oxidationNumber(const IonEntry &anion) {
    const std::optional<QList<ElementRun>> runs = elementRuns(anion.Formula);
    if (!runs || runs->size() != 2 || runs->front().count != 1 || runs->back().symbol != u"O")
        return std::nullopt;
    return 2 * runs->back().count - anion.Charges.toInt();
}

const NamedIon *anionByOxidationNumber(const NameCase &c, const NamedPart &part) {
    const QRegularExpressionMatch typed = anionWordParts(part.name);
    // Only the -ate name carries the oxidation number: chlorate(I), never chloride(I).
    if (part.numeral.form != TypedNumeral::Form::Stock || !typed.hasMatch() ||
        typed.hasCaptured(1) || typed.capturedView(3) != u"ate")
        return nullptr;
    for (const NamedIon &anion : c.anions) {
        const QRegularExpressionMatch listed = anionWordParts(anion.name);
        if (listed.hasMatch() && listed.capturedView(2) == typed.capturedView(2) &&
            oxidationNumber(anion.ion) == part.numeral.value)
            return &anion;
    }
    return nullptr;
}

const Element *elementNamed(QStringView name) {
    const std::span<const Element> elements = Elements::all();
    const auto found =
        std::find_if(elements.begin(), elements.end(),
                     [name](const Element &element) { return element.name == name; });
    return found == elements.end() ? nullptr : &*found;
}

bool areRelatedAnions(const QString &typedFormula, const QString &askedFormula) {
    static const QRegularExpression hydrogen(QStringLiteral("^H[0-9]*(?=[A-Z])"));
    const QString typed = anionFamily(typedFormula);
    const QString asked = anionFamily(askedFormula);
    return typed == asked || QString(typed).remove(hydrogen) == QString(asked).remove(hydrogen);
}

std::optional<QString> unlistedRelative(const NameCase &c, QStringView word) {
    const QRegularExpressionMatch parts = anionWordParts(word);
    bool familyTakesHypoOrPer = false;
    if (!parts.hasMatch() || !familyHasStem(c, parts.capturedView(2), familyTakesHypoOrPer))
        return std::nullopt;
    const QStringView prefix = parts.capturedView(1);
    const QStringView ending = parts.capturedView(3);
    if (familyTakesHypoOrPer &&
        ((prefix == u"per" && ending != u"ate") || (prefix == u"hypo" && ending != u"ite")))
        return u"%1 is no ion: per- goes with -ate, hypo- with -ite."_s.arg(word);
    return u"the course lists no %1; this formula holds %2 with the charge -%3."_s.arg(
        c.shown(word), c.question.anionFormula, c.question.anionCharge);
}

QString typedWithoutPrefixes(const NameCase &c) {
    if (!c.covalent)
        return {};
    const CovalentParts &parts = *c.covalent;
    for (const NameSplit &split : c.reading.splits()) {
        for (const PrefixedWord &first : prefixReadings(split.firstText)) {
            for (const PrefixedWord &second : prefixReadings(split.rest)) {
                // hydrogen sulfide, as the course names H2S, counts by the charges
                const bool countsByCharges =
                    parts.firstSymbol == u"H" && first.count == 0 && second.count == 0;
                if (first.stem == parts.firstName && second.stem == parts.secondName &&
                    (countsByCharges || (std::max(first.count, 1) == parts.firstCount &&
                                         std::max(second.count, 1) == parts.secondCount)))
                    return first.stem.toString() + u' ' + second.stem.toString();
            }
        }
    }
    return {};
}

std::optional<QString> wrongMoleculePart(const NameCase &c) {
    if (!c.covalent)
        return std::nullopt;
    const CovalentParts &parts = *c.covalent;
    const QString &typed = c.reading.text();
    const IonEntry *molecule = moleculeNamed(c, typed);
    if (molecule && molecule->Formula != c.question.formula)
        return u"%1 is %2, not %3."_s.arg(molecule->Name, molecule->Formula, c.question.formula);
    if (const NamedIon *ion = c.anionNamed(typed); ion && !molecule)
        return u"%1 is the ion %2; the molecule %3 has a name of its own."_s.arg(
            ion->ion.Name, ion->ion.Formula, c.question.formula);
    const QStringList held{parts.firstSymbol, parts.secondSymbol};
    for (const NameSplit &split : c.reading.splits()) {
        for (const PrefixedWord &first : prefixReadings(split.firstText)) {
            for (const PrefixedWord &second : prefixReadings(split.rest)) {
                const Element *element = elementNamed(first.stem);
                const NamedIon *anion = c.anionNamed(second.stem);
                if (!element || !anion)
                    continue;
                const bool firstRight = element->symbol == parts.firstSymbol;
                const bool secondRight = anion->ion.Formula == parts.secondSymbol;
                if (firstRight && !secondRight)
                    return u"%1 is %2; this formula holds %3."_s.arg(
                        anion->ion.Name, anion->ion.Formula, parts.secondSymbol);
                if (secondRight && !firstRight)
                    return u"%1 is %2; this formula holds %3."_s.arg(element->name, element->symbol,
                                                                     parts.firstSymbol);
                if (!firstRight && !held.contains(element->symbol) &&
                    !held.contains(anion->ion.Formula))
                    return u"%1 is %2 and %3 is %4; this formula holds neither."_s.arg(
                        element->name, element->symbol, anion->ion.Name, anion->ion.Formula);
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> moleculeAnionRelative(const NameCase &c) {
    if (!c.covalent)
        return std::nullopt;
    const CovalentParts &parts = *c.covalent;
    for (const NameSplit &split : c.reading.splits()) {
        if (!isPrefixed(split.firstText, parts.firstName))
            continue;
        for (const PrefixedWord &second : prefixReadings(split.rest)) {
            const NamedIon *anion = c.anionNamed(second.stem);
            if (anion && anion->ion.Formula != parts.secondSymbol &&
                areRelatedAnions(anion->ion.Formula, parts.secondSymbol))
                return u"%1 is %2; this formula holds %3."_s.arg(
                    anion->ion.Name, anion->ion.Formula, parts.secondSymbol);
        }
    }
    const NamedIon *acid = parts.firstSymbol == u"H" ? acidAnion(c) : nullptr;
    if (!acid || acid->ion.Formula == parts.secondSymbol ||
        !areRelatedAnions(acid->ion.Formula, parts.secondSymbol))
        return std::nullopt;
    if (acid->name.endsWith(u"ide"_s) && holdsOxygen(parts.secondSymbol))
        return u"hydro- names an acid without oxygen; %1 holds oxygen."_s.arg(c.question.formula);
    return u"%1 would be %2, from %3; this formula holds %4."_s.arg(
        c.reading.text(), formulaPart(u"H"_s, acid->ion.Charges.toInt()) + acid->ion.Formula,
        acid->ion.Name, parts.secondSymbol);
}

std::optional<QString> ionNamedAtomByAtom(const NameCase &c) {
    const std::optional<QList<ElementRun>> runs = elementRuns(c.question.anionFormula);
    if (!c.isIonic() || !runs || runs->size() < 2)
        return std::nullopt;
    QStringList held;
    for (const ElementRun &run : *runs)
        held.append(run.symbol);
    for (const NameSplit &split : c.reading.splits()) {
        if (!c.namesAskedCation(split.first))
            continue;
        const QString words = c.shown(split.rest);
        QStringList named;
        for (QStringView word : QStringView(words).split(u' ', Qt::SkipEmptyParts)) {
            const QString symbol = atomNamed(c, word);
            if (!held.contains(symbol)) {
                named.clear();
                break;
            }
            if (!named.contains(symbol))
                named.append(symbol);
        }
        if (named.size() > 1)
            return u"%1 is one ion with a name of its own: name it whole, not atom by atom."_s.arg(
                c.question.anionFormula);
    }
    return std::nullopt;
}

std::optional<QString> commonName(const NameCase &c) {
    const QString &typed = c.reading.text();
    const QString &formula = c.question.formula;
    if (const std::optional<OtherCompoundName> other = otherCompoundName(typed)) {
        const bool asked = other->formula == formula;
        switch (other->kind) {
        case OtherCompoundName::Kind::Everyday:
            if (!asked)
                return u"%1 is the everyday name of %2, not of %3."_s.arg(typed, other->formula,
                                                                          formula);
            if (c.isIonic())
                return u"%1 is an everyday name; the course names %2 from its ions, %3 and %4."_s
                    .arg(typed, formula, c.question.cationSymbol, c.question.anionFormula);
            return u"%1 is an everyday name; the course names %2 from its elements, with prefixes."_s
                .arg(typed, formula);
        case OtherCompoundName::Kind::Solution:
            if (!asked)
                return u"%1 is %2 dissolved in water, not %3."_s.arg(typed, other->formula,
                                                                     formula);
            return u"%1 is %2 dissolved in water; name the compound itself."_s.arg(typed, formula);
        case OtherCompoundName::Kind::Synonym:
            if (!asked)
                return u"%1 is another name of %2, not of %3."_s.arg(typed, other->formula,
                                                                     formula);
            return u"%1 is another name of %2; the course calls it %3."_s.arg(
                typed, formula, c.question.compoundName);
        }
    }
    for (const NameSplit &split : c.reading.splits()) {
        const NamedPart anion = readNamedPart(split.rest);
        const NamedIon *named = anionByOxidationNumber(c, anion);
        if (named && c.namesAskedCation(split.first) &&
            named->ion.Formula == c.question.anionFormula && named->name != anion.name)
            return u"%1 is another name of %2; the course writes %2."_s.arg(
                withStockNumeral(anion.name, anion.numeral.value), named->ion.Name);
    }
    QStringList words = typed.split(u' ');
    for (QString &word : words) {
        if (const std::optional<QLatin1StringView> course = courseIonName(word)) {
            const QString synonym = std::exchange(word, *course);
            if (words.join(u' ') == c.expected)
                return u"%1 is another name of %2; the course writes %2."_s.arg(synonym, word);
        }
    }
    if (!c.covalent || c.covalent->systematic)
        return std::nullopt;
    const QString fitting = typedWithoutPrefixes(c);
    if (!fitting.isEmpty() && fitting != c.expected)
        return u"%1 fits %2, but the course calls it %3."_s.arg(typed, formula,
                                                                c.question.compoundName);
    // carbon hydride for CH4: the parts without their counts
    if (typed == c.covalent->firstName + u' ' + c.covalent->secondName)
        return u"the course calls %1 by a name of its own, not %2."_s.arg(formula, typed);
    return std::nullopt;
}

bool makesOtherChemistryWord(const NameCase &c) {
    const QStringList expectedWords = c.expected.split(u' ');
    for (QStringView word : QStringView(c.reading.text()).split(u' ')) {
        if (expectedWords.contains(word))
            continue;
        for (const PrefixedWord &reading : prefixReadings(readNamedPart(word).name)) {
            QStringView stem = reading.stem;
            if (stem.startsWith(u"hypo"))
                stem = stem.sliced(4);
            else if (stem.startsWith(u"per"))
                stem = stem.sliced(3);
            if (isChemistryWord(c, reading.stem) || isChemistryWord(c, stem))
                return true;
        }
    }
    return false;
}

} // namespace QuizRules
