#include "quiz/feedback/answerfeedback.h"

#include "quiz/feedback/answercheck.h"
#include "quiz/feedback/formulafeedback.h"
#include "quiz/feedback/namefeedback.h"

namespace QuizRules {

namespace {

struct CategoryText {
    AnswerCategory category;
    QLatin1StringView code;
    const char *label;
};

using namespace Qt::StringLiterals;
using C = AnswerCategory;

constexpr CategoryText CategoryTexts[] = {
    {C::Exact, "exact"_L1, "right"},
    {C::SpellingVariant, "spelling-variant"_L1, "right, in another spelling"},
    {C::SymbolCase, "symbol-case"_L1, "capitals of symbols wrong"},
    {C::LetterDigit, "letter-digit"_L1, "look-alike characters (0 for O, I for l)"},
    {C::WrongForm, "wrong-form"_L1, "answer's form wrong (name for formula, spaces)"},
    {C::ChargesWritten, "charges-written"_L1, "charges written in the formula"},
    {C::OrderReversed, "order-reversed"_L1, "parts in reverse order"},
    {C::NotLowestTerms, "not-lowest-terms"_L1, "counts not in lowest terms"},
    {C::MissingParentheses, "missing-parentheses"_L1, "parentheses missing"},
    {C::ExtraParentheses, "extra-parentheses"_L1, "parentheses or 1s not needed"},
    {C::OtherCharge, "other-charge"_L1, "formula for another charge"},
    {C::NumeralAsSubscript, "numeral-as-subscript"_L1,
     "Roman numeral as a count or in the formula"},
    {C::IonExpanded, "ion-expanded"_L1, "polyatomic ion written atom by atom"},
    {C::ChargesUnbalanced, "charges-unbalanced"_L1, "charges not balanced"},
    {C::AmmoniaAmmonium, "ammonia-ammonium"_L1, "ammonia (NH3) and ammonium (NH4) mixed up"},
    {C::WrongAnion, "wrong-anion"_L1, "related anion mixed up (-ide, -ite, -ate)"},
    {C::WrongIon, "wrong-ion"_L1, "another ion or element"},
    {C::WrongSymbol, "wrong-symbol"_L1, "symbol of another element"},
    {C::CovalentCount, "covalent-count"_L1, "atom counts of a molecule wrong"},
    {C::ClassicalName, "classical-name"_L1, "old -ous/-ic name for a Roman numeral"},
    {C::NumeralForm, "numeral-form"_L1, "Roman numeral written another way"},
    {C::NumeralMissing, "numeral-missing"_L1, "Roman numeral missing"},
    {C::NumeralWrong, "numeral-wrong"_L1, "Roman numeral wrong"},
    {C::NumeralNotNeeded, "numeral-not-needed"_L1, "Roman numeral not needed"},
    {C::PrefixesOnIonic, "prefixes-on-ionic"_L1, "Greek prefixes in an ionic name"},
    {C::MonoFirst, "mono-first"_L1, "mono on the first element"},
    {C::PrefixWrong, "prefix-wrong"_L1, "Greek prefix wrong"},
    {C::ElementForAnion, "element-for-anion"_L1, "element named for the anion"},
    {C::OldHydrogenName, "old-hydrogen-name"_L1, "old bi- name of a hydrogen anion"},
    {C::CommonName, "common-name"_L1, "everyday or other name, not the course's"},
    {C::Misspelt, "misspelt"_L1, "misspelt"},
    {C::Unclassified, "unclassified"_L1, "other mistakes"},
};

static_assert(listsEveryCategoryInOrder(CategoryTexts));

const CategoryText &textOf(AnswerCategory category) {
    return CategoryTexts[std::size_t(category)];
}

// Rules write their sentences from names, which the catalogue keeps in small letters.
QString capitalised(QString sentence) {
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

} // namespace

AnswerFeedback judgeAnswer(const Question &question, const QString &typed,
                           const IonCatalogue &catalogue) {
    const QString &expected = question.askName ? question.compoundName : question.formula;
    if (isCorrectAnswer(typed, expected, question.askName))
        return {true, AnswerCategory::Exact, {}, {}};
    const QString answer = normalisedAnswer(typed);
    AnswerFeedback feedback = question.askName ? nameMistake(question, answer, catalogue)
                                               : formulaMistake(question, answer, catalogue);
    feedback.explanation = capitalised(feedback.explanation);
    // The one mistake that is none: the course's rules only compare its own spelling.
    feedback.correct = feedback.category == AnswerCategory::SpellingVariant;
    if (feedback.correct)
        feedback.courseSpelling = question.compoundName;
    return feedback;
}

QLatin1StringView categoryCode(AnswerCategory category) {
    return textOf(category).code;
}

std::optional<AnswerCategory> categoryOfCode(QStringView code) {
    for (const CategoryText &text : CategoryTexts) {
        if (text.code == code)
            return text.category;
    }
    return std::nullopt;
}

QString categoryLabel(AnswerCategory category) {
    return QString::fromLatin1(textOf(category).label);
}

} // namespace QuizRules
