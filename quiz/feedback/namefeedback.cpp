#include "quiz/feedback/namefeedback.h"

#include "catalogue/elements.h"
#include "catalogue/namingtables.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/feedbackrule.h"
#include "quiz/feedback/formulareading.h"
#include "quiz/feedback/namespelling.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

// A word read as a Greek prefix and what follows it; count 0 when it has no prefix.
struct PrefixedWord {
    int count;
    QStringView stem;
};

bool isVowel(QChar letter) {
    return QStringView(u"aeiou").contains(letter);
}

// The word as it stands, and after each Greek prefix it starts with; a prefix may drop its
// last vowel before another vowel, as in monoxide.
QList<PrefixedWord> prefixReadings(QStringView word) {
    QList<PrefixedWord> readings{{0, word}};
    for (int count = 1; count < int(NamingTables::GreekPrefixes.size()); ++count) {
        const QLatin1StringView prefix(NamingTables::GreekPrefixes[count]);
        const QLatin1StringView elided = prefix.chopped(1);
        if (word.startsWith(prefix))
            readings.append({count, word.sliced(prefix.size())});
        if (word.startsWith(elided) && word.size() > elided.size() && isVowel(word[elided.size()]))
            readings.append({count, word.sliced(elided.size())});
    }
    return readings;
}

// The name, with a Greek prefix or without.
bool isPrefixed(QStringView word, QStringView name) {
    const QList<PrefixedWord> readings = prefixReadings(word);
    return std::any_of(readings.begin(), readings.end(),
                       [name](const PrefixedWord &reading) { return reading.stem == name; });
}

// 0 for the name alone, the value of the Roman numeral in parentheses after it, or nothing
// when the word is something else.
std::optional<int> numeralAfter(QStringView word, QStringView name) {
    if (!word.startsWith(name))
        return std::nullopt;
    const QStringView rest = word.sliced(name.size());
    if (rest.isEmpty())
        return 0;
    if (!rest.startsWith(u'(') || !rest.endsWith(u')'))
        return std::nullopt;
    const QStringView numeral = rest.sliced(1, rest.size() - 2);
    for (int value = 1; value < int(NamingTables::RomanNumerals.size()); ++value) {
        if (numeral.compare(QLatin1StringView(NamingTables::RomanNumerals[value]),
                            Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

// A count of a simple covalent question, which composition empties when it is 1.
int countValue(const QString &count) {
    return count.isEmpty() ? 1 : count.toInt();
}

// A listed ion with its name in canonical spelling.
struct NamedIon {
    IonEntry ion;
    QString name;
};

// The question and answer in canonical spelling, the answer split in two at each of its
// spaces in turn, and for an ionic question the ions it may name instead.
struct NameCase {
    NameCase(const Question &question, const QString &answer, const IonCatalogue &catalogue)
        : question(question)
        , answer(answer)
        , typed(spelling(answer))
        , expected(spelling(question.compoundName))
        , cationName(spelling(question.cationName))
        , anionName(spelling(question.anionName)) {
        for (qsizetype space = typed.indexOf(u' '); space >= 0;
             space = typed.indexOf(u' ', space + 1))
            halves.append({QStringView(typed).first(space), QStringView(typed).sliced(space + 1)});
        if (!isIonic())
            return;
        for (const IonEntry &cation : listedCations(catalogue))
            cations.append({cation, spelling(cation.Name)});
        for (const IonEntry &anion : listedAnions(catalogue))
            anions.append({anion, spelling(anion.Name)});
    }

    bool isIonic() const { return question.kind == CompoundKind::Ionic; }
    QString spelling(const QString &name) const { return canonicalSpelling(name, isIonic()); }
    // When the answer is the question's cation, with a numeral or without, then `anion`: the
    // numeral's value, 0 for none.
    std::optional<int> numeralBefore(QStringView anion) const {
        for (const auto &[cation, rest] : halves) {
            const std::optional<int> numeral = numeralAfter(cation, cationName);
            if (numeral && rest == anion)
                return numeral;
        }
        return std::nullopt;
    }
    // The listed cation that the word names, with a numeral or without.
    const IonEntry *cationNamed(QStringView word) const {
        for (const NamedIon &cation : cations) {
            if (numeralAfter(word, cation.name))
                return &cation.ion;
        }
        return nullptr;
    }
    const IonEntry *anionNamed(QStringView word) const {
        for (const NamedIon &anion : anions) {
            if (word == anion.name)
                return &anion.ion;
        }
        return nullptr;
    }

    const Question &question;
    const QString &answer;
    QString typed;
    QString expected;
    QString cationName;
    QString anionName;
    QList<std::pair<QStringView, QStringView>> halves;
    QList<NamedIon> cations;
    QList<NamedIon> anions;
};

using Explanation = std::optional<QString>;

Explanation wrongForm(const NameCase &c) {
    if (!readsAsFormula(c.answer))
        return std::nullopt;
    if (c.answer == c.question.formula)
        return u"that is the formula; the name is asked, in words."_s;
    return u"the name is asked, in words, not a formula."_s;
}

Explanation spellingVariant(const NameCase &c) {
    if (c.typed != c.expected)
        return std::nullopt;
    return u"right; the course spells it %1."_s.arg(c.question.compoundName);
}

Explanation orderReversed(const NameCase &c) {
    for (const auto &[first, second] : c.halves) {
        if (c.isIonic() && first == c.anionName && numeralAfter(second, c.cationName))
            return u"name the cation first: %1, then %2."_s.arg(c.question.cationName,
                                                                c.question.anionName);
        if (c.question.kind == CompoundKind::SimpleCovalent && isPrefixed(first, c.anionName) &&
            isPrefixed(second, c.cationName))
            return u"name the elements in the order of the formula: %1 first."_s.arg(
                c.question.cationName);
    }
    return std::nullopt;
}

Explanation numeralMissing(const NameCase &c) {
    if (!c.isIonic() || !c.question.multivalent || c.numeralBefore(c.anionName) != 0)
        return std::nullopt;
    return u"%1 has several charges: give its charge as a Roman numeral."_s.arg(
        c.question.cationName);
}

Explanation numeralWrong(const NameCase &c) {
    const std::optional<int> numeral = c.numeralBefore(c.anionName);
    if (!c.isIonic() || !c.question.multivalent || numeral.value_or(0) == 0)
        return std::nullopt;
    Question other = c.question;
    other.cationCharge = QString::number(*numeral);
    return u"%1 would be %2; find the charge that gives %3."_s.arg(
        ionicName(other), ionicFormula(other), c.question.formula);
}

Explanation numeralNotNeeded(const NameCase &c) {
    if (!c.isIonic() || c.question.multivalent)
        return std::nullopt;
    for (const auto &[cation, rest] : c.halves) {
        if (numeralAfter(cation, c.cationName).value_or(0) > 0)
            return u"%1 has only one charge, so its name takes no numeral."_s.arg(
                c.question.cationName);
    }
    return std::nullopt;
}

// A word that names a listed ion as it stands, such as dichromate, has no prefix to read.
QList<PrefixedWord> ionReadings(QStringView word, bool namesIon) {
    return namesIon ? QList<PrefixedWord>{{0, word}} : prefixReadings(word);
}

Explanation prefixesOnIonic(const NameCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    for (const auto &[first, second] : c.halves) {
        for (const PrefixedWord &cation : ionReadings(first, c.cationNamed(first))) {
            for (const PrefixedWord &anion : ionReadings(second, c.anionNamed(second))) {
                if (cation.count + anion.count > 0 && c.cationNamed(cation.stem) &&
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
    const QStringView expectedFirst = QStringView(c.expected).split(u' ').front();
    for (const PrefixedWord &reading : prefixReadings(QStringView(c.typed).split(u' ').front())) {
        if (reading.count == 1 && isPrefixed(expectedFirst, reading.stem))
            return u"the first element never takes mono: one atom has no prefix."_s;
    }
    return std::nullopt;
}

Explanation prefixWrong(const NameCase &c) {
    const Question &q = c.question;
    const int firstCount = countValue(q.anionCharge);
    const int secondCount = countValue(q.cationCharge);
    // A name the catalogue lists instead has no prefixes to get wrong.
    if (q.kind != CompoundKind::SimpleCovalent ||
        q.compoundName != simpleCovalentName(q.cationName, firstCount, q.anionName, secondCount))
        return std::nullopt;
    for (const auto &[firstWord, secondWord] : c.halves) {
        for (const PrefixedWord &first : prefixReadings(firstWord)) {
            for (const PrefixedWord &second : prefixReadings(secondWord)) {
                if (first.stem != c.cationName || second.stem != c.anionName)
                    continue;
                if (second.count == 0)
                    return u"the second element always carries its prefix, mono included."_s;
                const int typedFirst = std::max(first.count, 1);
                if (typedFirst != firstCount || second.count != secondCount)
                    return u"%1 would be %2, not %3."_s.arg(
                        c.answer,
                        formulaPart(q.cationSymbol, typedFirst) +
                            formulaPart(q.anionFormula, second.count),
                        q.formula);
            }
        }
    }
    return std::nullopt;
}

Explanation elementForAnion(const NameCase &c) {
    const Element *element = Elements::bySymbol(c.question.anionFormula);
    if (!c.isIonic() || !element || !c.numeralBefore(c.spelling(element->name)))
        return std::nullopt;
    return u"%1 is the element; as an anion its name ends in -%2."_s.arg(
        element->name, c.question.anionName.right(3));
}

// What the answer names instead of the ion that the formula holds.
QString otherIon(const IonEntry &typed, const QString &heldFormula) {
    return u"%1 is %2; this formula holds %3."_s.arg(typed.Name, typed.Formula, heldFormula);
}

Explanation wrongAnion(const NameCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    const QString &asked = c.question.anionFormula;
    for (const auto &[cation, rest] : c.halves) {
        const IonEntry *anion = c.anionNamed(rest);
        if (anion && numeralAfter(cation, c.cationName) && anion->Formula != asked &&
            anionFamily(anion->Formula) == anionFamily(asked))
            return otherIon(*anion, asked);
    }
    return std::nullopt;
}

Explanation wrongIon(const NameCase &c) {
    if (!c.isIonic())
        return std::nullopt;
    QList<TwoPartReading> readings;
    for (const auto &[first, second] : c.halves) {
        const IonEntry *cation = c.cationNamed(first);
        const IonEntry *anion = c.anionNamed(second);
        if (cation && anion)
            readings.append(TwoPartReading{{*cation}, {*anion}});
    }
    const std::optional<TwoPartReading> found =
        readingWithOtherIons(readings, c.question.cationSymbol, c.question.anionFormula);
    if (!found)
        return std::nullopt;
    const IonEntry &cation = found->first.ion;
    const IonEntry &anion = found->second.ion;
    if (anion.Formula == c.question.anionFormula)
        return otherIon(cation, c.question.cationSymbol);
    if (cation.Formula == c.question.cationSymbol)
        return otherIon(anion, c.question.anionFormula);
    return u"%1 is %2 and %3 is %4; this formula holds neither."_s.arg(cation.Name, cation.Formula,
                                                                       anion.Name, anion.Formula);
}

Explanation misspelt(const NameCase &c) {
    if (!isMisspelling(c.typed, c.expected))
        return std::nullopt;
    const QStringList typedWords = canonicalSpelling(c.answer, false).split(u' ');
    for (const QString &word : c.question.compoundName.split(u' ')) {
        if (!typedWords.contains(canonicalSpelling(word, false)))
            return u"check the spelling of %1."_s.arg(word);
    }
    return u"check the spelling of %1."_s.arg(c.question.compoundName);
}

const FeedbackRule<NameCase> NameRules[] = {
    {AnswerCategory::WrongForm, wrongForm},
    {AnswerCategory::SpellingVariant, spellingVariant},
    {AnswerCategory::OrderReversed, orderReversed},
    {AnswerCategory::NumeralMissing, numeralMissing},
    {AnswerCategory::NumeralWrong, numeralWrong},
    {AnswerCategory::NumeralNotNeeded, numeralNotNeeded},
    {AnswerCategory::PrefixesOnIonic, prefixesOnIonic},
    {AnswerCategory::MonoFirst, monoFirst},
    {AnswerCategory::PrefixWrong, prefixWrong},
    {AnswerCategory::ElementForAnion, elementForAnion},
    {AnswerCategory::WrongAnion, wrongAnion},
    {AnswerCategory::WrongIon, wrongIon},
    {AnswerCategory::Misspelt, misspelt},
};

} // namespace

AnswerFeedback nameMistake(const Question &question, const QString &answer,
                           const IonCatalogue &catalogue) {
    return firstRuleMet<NameCase>(NameRules, NameCase(question, answer, catalogue));
}

} // namespace QuizRules
