#include "quiz/feedback/namefeedback.h"

#include "catalogue/elements.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/feedbackrule.h"
#include "quiz/feedback/formulareading.h"
#include "quiz/feedback/namecase.h"
#include "quiz/feedback/namenumerals.h"
#include "quiz/feedback/namespelling.h"
#include "quiz/feedback/namewords.h"
#include "quiz/feedback/othernames.h"

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;
using Explanation = std::optional<QString>;
using Form = TypedNumeral::Form;

Explanation wrongForm(const NameCase &c) {
    const bool formulaTyped = c.answer.compare(c.question.formula, Qt::CaseInsensitive) == 0;
    if (!readsAsFormula(c.answer) && !formulaTyped)
        return std::nullopt;
    if (formulaTyped)
        return u"that is the formula; the name is asked, in words."_s;
    return u"the name is asked, in words, not a formula."_s;
}

QString characterName(QChar character) {
    switch (character.unicode()) {
    case 0x200B:
        return u"zero-width space"_s;
    case 0x00AD:
        return u"soft hyphen"_s;
    case 0xFEFF:
        return u"byte-order mark"_s;
    case 0x00A0:
    case 0x202F:
        return u"no-break space"_s;
    case u'\t':
        return u"tab"_s;
    }
    return character.isSpace() ? u"space of another kind"_s : u"hidden character"_s;
}

// Right but for spaces and characters that no name holds.
Explanation layout(const NameCase &c) {
    const QString &typed = c.reading.text();
    const LayoutSlip &slip = c.reading.slip();
    if (QString(typed).remove(u' ') != QString(c.expected).remove(u' ') ||
        (slip.kind == LayoutSlip::Kind::None && typed == c.expected))
        return std::nullopt;
    switch (slip.kind) {
    case LayoutSlip::Kind::Invisible:
        return u"the answer holds a %1, a character no one can see: type the name again."_s.arg(
            characterName(slip.character));
    case LayoutSlip::Kind::OtherSpace:
        if (slip.character == u'\n' || slip.character == u'\r' || slip.character == u'\u2028')
            return u"type the name on one line, with an ordinary space between words."_s;
        return u"put an ordinary space between words, not a %1."_s.arg(
            characterName(slip.character));
    case LayoutSlip::Kind::Punctuation:
        if (slip.character == u'-')
            return u"a name takes no \u201C-\u201D: a prefix joins its word, words stand apart."_s;
        return u"leave out the \u201C%1\u201D: a name takes no punctuation."_s.arg(slip.character);
    case LayoutSlip::Kind::ExtraSpaces:
        return u"only the spacing is wrong: put one space between words."_s;
    case LayoutSlip::Kind::SpaceBeforeNumeral:
        return u"only the spacing is wrong: no space goes before the numeral's parenthesis."_s;
    case LayoutSlip::Kind::NoSpaceAfterNumeral:
        return u"only the spacing is wrong: one space goes after the numeral's parenthesis."_s;
    case LayoutSlip::Kind::None:
        break;
    }
    return u"only the spacing is wrong: write it %1."_s.arg(c.question.compoundName);
}

// One part of a name of two.
Explanation partOnly(const NameCase &c) {
    const QString &typed = c.reading.text();
    const NamedPart part = readNamedPart(typed);
    if (typed.contains(u' ') || !c.expected.contains(u' '))
        return std::nullopt;
    if (c.isIonic() && (typed == c.anionName || c.namesAskedCation(part)))
        return u"the name has two parts: the cation, then the anion."_s;
    if (c.covalent &&
        (isPrefixed(typed, c.covalent->firstName) || isPrefixed(typed, c.covalent->secondName)))
        return u"the name has two parts: the first element, then the second."_s;
    return std::nullopt;
}

Explanation spellingVariant(const NameCase &c) {
    if (c.reading.slip().kind != LayoutSlip::Kind::None || c.reading.text() != c.expected)
        return std::nullopt;
    return u"right; the course spells it %1."_s.arg(c.question.compoundName);
}

// The formula's elements named the other way round: "oxide sulfur" or "fluorine oxide" for OF2.
bool namesElementsReversed(const NameCase &c, const NameSplit &split) {
    const CovalentParts &parts = *c.covalent;
    const Element *second = Elements::bySymbol(parts.secondSymbol);
    const NamedIon *firstAsAnion = c.anionWithFormula(parts.firstSymbol);
    return (isPrefixed(split.firstText, parts.secondName) &&
            isPrefixed(split.rest, parts.firstName)) ||
           (second && firstAsAnion &&
            isPrefixed(split.firstText, c.spelling(second->name.toString())) &&
            isPrefixed(split.rest, firstAsAnion->name));
}

Explanation orderReversed(const NameCase &c) {
    for (const NameSplit &split : c.reading.splits()) {
        const NamedPart last = readNamedPart(split.rest);
        if (split.firstText == c.anionName && c.namesAskedCation(last))
            return u"name the cation first: %1, then %2."_s.arg(c.question.cationName,
                                                                c.question.anionName);
        if (c.covalent && c.covalent->namedFirstElementFirst && namesElementsReversed(c, split))
            return u"name the elements in the order of the formula: %1 first."_s.arg(
                c.covalent->firstName);
    }
    return std::nullopt;
}

// Ammonia and ammonium, the molecule and the ion, which every course teaches side by side.
Explanation ammoniaAmmonium(const NameCase &c) {
    const QStringView first = c.reading.firstWord();
    if (c.isIonic() && c.question.cationSymbol == u"NH4" && first == u"ammonia")
        return u"ammonia is the molecule NH3; the ion NH4 is ammonium."_s;
    if (!c.isIonic() && c.question.formula == u"NH3" && first == u"ammonium")
        return u"ammonium is the ion NH4; the molecule NH3 is ammonia."_s;
    return std::nullopt;
}

// A word that names a listed ion as it stands, such as dichromate, has no prefix to read.
QList<PrefixedWord> ionReadings(QStringView word, bool namesIon) {
    return namesIon ? QList<PrefixedWord>{{0, word}} : prefixReadings(word);
}

Explanation prefixesOnIonic(const NameCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    // dimercury names mercury, whose numeral is another matter
    const auto namesCation = [&c](QStringView stem) {
        return std::any_of(c.cations.begin(), c.cations.end(),
                           [stem](const NamedIon &cation) { return cation.base() == stem; });
    };
    for (const NameSplit &split : c.reading.splits()) {
        const NamedPart &first = split.first;
        if (first.numeral.form == Form::Unreadable)
            continue;
        for (const PrefixedWord &cation : ionReadings(first.name, namesCation(first.name))) {
            for (const PrefixedWord &anion : ionReadings(split.rest, c.anionNamed(split.rest))) {
                if (cation.count + anion.count > 0 && namesCation(cation.stem) &&
                    c.anionNamed(anion.stem))
                    return u"ionic names take no Greek prefixes: the charges give the counts."_s;
            }
        }
    }
    return std::nullopt;
}

Explanation monoFirst(const NameCase &c) {
    if (c.isIonic())
        return std::nullopt;
    // mononitrogen for the two atoms of N2O4 is a wrong prefix, not this mistake
    const QStringView expectedFirst = QStringView(c.expected).split(u' ').front();
    for (const PrefixedWord &reading : prefixReadings(c.reading.firstWord())) {
        if (reading.count == 1 && expectedFirst == reading.stem)
            return u"the first element never takes mono: one atom has no prefix."_s;
    }
    return std::nullopt;
}

Explanation prefixWrong(const NameCase &c) {
    if (!c.covalent)
        return std::nullopt;
    const CovalentParts &parts = *c.covalent;
    for (const NameSplit &split : c.reading.splits()) {
        for (const PrefixedWord &first : prefixReadings(split.firstText)) {
            for (const PrefixedWord &second : prefixReadings(split.rest)) {
                if (first.stem != parts.firstName || second.stem != parts.secondName)
                    continue;
                // A name the catalogue lists instead has no prefixes to leave out.
                if (second.count == 0 && parts.systematic)
                    return u"the second element always carries its prefix, mono included."_s;
                const int typedFirst = std::max(first.count, 1);
                if (second.count > 0 &&
                    (typedFirst != parts.firstCount || second.count != parts.secondCount))
                    return u"%1 would be %2, not %3."_s.arg(
                        c.reading.text(),
                        formulaPart(parts.firstSymbol, typedFirst) +
                            formulaPart(parts.secondSymbol, second.count),
                        c.question.formula);
            }
        }
    }
    if (!parts.systematic && typedWithoutPrefixes(c) == c.expected)
        return u"%1 fits %2, but the course writes it without prefixes."_s.arg(c.reading.text(),
                                                                               c.question.formula);
    return std::nullopt;
}

// An element of the asked polyatomic anion named in its place: sulfur for sulfate,
// permanganese for permanganate.
const Element *polyatomicAnionElement(const NameCase &c, QStringView word) {
    const std::optional<QList<ElementRun>> runs = elementRuns(c.question.anionFormula);
    if (!runs || runs->size() < 2)
        return nullptr;
    for (QStringView prefix : {u"", u"hypo", u"per"}) {
        const Element *element =
            word.startsWith(prefix) ? elementNamed(word.sliced(prefix.size())) : nullptr;
        if (element && std::any_of(runs->begin(), runs->end(), [element](const ElementRun &run) {
                return run.symbol == element->symbol;
            }))
            return element;
    }
    return nullptr;
}

Explanation elementForAnion(const NameCase &c) {
    for (const NameSplit &split : c.reading.splits()) {
        if (const Element *element = Elements::bySymbol(c.question.anionFormula);
            element && c.namesAskedCation(split.first) && split.rest == element->name)
            return u"%1 is the element; as an anion its name ends in -%2."_s.arg(
                element->name, c.question.anionName.right(3));
        if (const Element *element = polyatomicAnionElement(c, split.rest);
            element && c.namesAskedCation(split.first))
            return u"%1 is the element; the ion %2 has a name of its own."_s.arg(
                element->name, c.question.anionFormula);
        if (!c.covalent || !isPrefixed(split.firstText, c.covalent->firstName))
            continue;
        const Element *second = Elements::bySymbol(c.covalent->secondSymbol);
        if (second && isPrefixed(split.rest, c.spelling(second->name.toString())))
            return u"%1 is the element; named second, its name ends in -ide."_s.arg(second->name);
    }
    return std::nullopt;
}

Explanation oldHydrogenName(const NameCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    for (const NameSplit &split : c.reading.splits()) {
        const std::optional<QStringView> bi = biNameAnion(split.rest);
        const NamedIon *anion =
            bi ? c.anionNamed(c.spelling(u"hydrogen "_s + bi->toString())) : nullptr;
        if (!anion)
            continue;
        if (anion->ion.Formula == c.question.anionFormula)
            return u"%1 is an old name: the course writes %2."_s.arg(split.rest, anion->ion.Name);
        return u"%1 is %2, %3; this formula holds %4."_s.arg(
            split.rest, anion->ion.Name, anion->ion.Formula, c.question.anionFormula);
    }
    return std::nullopt;
}

Explanation wrongAnion(const NameCase &c) {
    if (!c.isIonic())
        return moleculeAnionRelative(c);
    const QString &asked = c.question.anionFormula;
    for (const NameSplit &split : c.reading.splits()) {
        if (!c.namesAskedCation(split.first))
            continue;
        if (const NamedIon *anion = c.anionNamed(split.rest)) {
            if (anion->ion.Formula != asked && areRelatedAnions(anion->ion.Formula, asked))
                return otherIon(anion->ion.Name, anion->ion.Formula, asked);
        } else if (const NamedIon *older = anionByOxidationNumber(c, readNamedPart(split.rest));
                   older && older->ion.Formula != asked &&
                   areRelatedAnions(older->ion.Formula, asked)) {
            const NamedPart typed = readNamedPart(split.rest);
            return u"%1 is %2, %3; this formula holds %4."_s.arg(
                withStockNumeral(typed.name, typed.numeral.value), older->ion.Name,
                older->ion.Formula, asked);
        } else if (asked == u"OH" && split.rest == u"hydroxyl") {
            return u"%1 is the group in a molecule; as an ion its name ends in -ide."_s.arg(
                split.rest);
        } else if (std::optional<QString> unlisted = unlistedRelative(c, split.rest)) {
            return unlisted;
        }
    }
    return std::nullopt;
}

Explanation wrongIon(const NameCase &c) {
    if (!c.isIonic())
        return wrongMoleculePart(c);
    QList<TwoPartReading> readings;
    for (const NameSplit &split : c.reading.splits()) {
        const NamedIon *cation = c.cationNamed(split.first);
        const NamedIon *anion = c.anionNamed(split.rest);
        if (cation && anion)
            readings.append(TwoPartReading{{cation->ion}, {anion->ion}});
    }
    const std::optional<TwoPartReading> found =
        readingWithOtherIons(readings, c.question.cationSymbol, c.question.anionFormula);
    if (!found)
        return std::nullopt;
    const IonEntry &cation = found->first.ion;
    const IonEntry &anion = found->second.ion;
    if (anion.Formula == c.question.anionFormula)
        return otherIon(cation.Name, cation.Formula, c.question.cationSymbol);
    if (cation.Formula == c.question.cationSymbol)
        return otherIon(anion.Name, anion.Formula, c.question.anionFormula);
    return u"%1 is %2 and %3 is %4; this formula holds neither."_s.arg(cation.Name, cation.Formula,
                                                                       anion.Name, anion.Formula);
}

Explanation misspelt(const NameCase &c) {
    if (!isMisspelling(c.reading.text(), c.expected) || makesOtherChemistryWord(c))
        return std::nullopt;
    const QStringList typedWords = canonicalSpelling(c.reading.mended(), false).split(u' ');
    for (const QString &word : c.question.compoundName.split(u' ')) {
        if (!typedWords.contains(canonicalSpelling(word, false)))
            return u"check the spelling of %1."_s.arg(word);
    }
    return u"check the spelling of %1."_s.arg(c.question.compoundName);
}

const FeedbackRule<NameCase> NameRules[] = {
    {AnswerCategory::WrongForm, wrongForm},
    {AnswerCategory::WrongForm, layout},
    {AnswerCategory::WrongForm, partOnly},
    {AnswerCategory::SpellingVariant, spellingVariant},
    {AnswerCategory::OrderReversed, orderReversed},
    {AnswerCategory::AmmoniaAmmonium, ammoniaAmmonium},
    {AnswerCategory::ClassicalName, classical},
    {AnswerCategory::NumeralForm, numeralForm},
    {AnswerCategory::NumeralMissing, numeralMissing},
    {AnswerCategory::NumeralWrong, numeralWrong},
    {AnswerCategory::NumeralNotNeeded, numeralNotNeeded},
    {AnswerCategory::PrefixesOnIonic, prefixesOnIonic},
    {AnswerCategory::MonoFirst, monoFirst},
    {AnswerCategory::PrefixWrong, prefixWrong},
    {AnswerCategory::ElementForAnion, elementForAnion},
    {AnswerCategory::OldHydrogenName, oldHydrogenName},
    {AnswerCategory::IonExpanded, ionNamedAtomByAtom},
    {AnswerCategory::WrongAnion, wrongAnion},
    {AnswerCategory::WrongIon, wrongIon},
    {AnswerCategory::CommonName, commonName},
    {AnswerCategory::Misspelt, misspelt},
};

} // namespace

AnswerFeedback nameMistake(const Question &question, const QString &answer,
                           const IonCatalogue &catalogue) {
    return firstRuleMet<NameCase>(NameRules, NameCase(question, answer, catalogue));
}

} // namespace QuizRules
