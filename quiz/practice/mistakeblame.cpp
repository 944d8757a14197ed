#include "quiz/practice/mistakeblame.h"

#include "quiz/feedback/answerfeedback.h"
#include "quiz/feedback/namespelling.h"
#include "quiz/practice/skills.h"

#include <optional>

namespace {

enum class Blamed {
    Nothing,
    Cation,
    Anion,
    IonMissed, // whichever of the two the answer got wrong
    Balance,
    Parentheses,
    Numeral, // written or read, by the way the question was asked
    NoPrefixIonic,
    Prefixes,
    Symbols,
};

struct CategoryBlame {
    AnswerCategory category;
    Blamed blamed;
};

using C = AnswerCategory;

// Where a category could blame two skills, the one whose practice mends the mistake: an ion
// written atom by atom or multiplied out has lost the unit that parentheses keep; charges
// written into a formula are a fault of notation, as symbols are; names in the wrong order,
// names and formulas mixed up and everyday names point at no one skill.
constexpr CategoryBlame Blames[] = {
    {C::Exact, Blamed::Nothing},
    {C::SpellingVariant, Blamed::Nothing},
    {C::SymbolCase, Blamed::Symbols},
    {C::LetterDigit, Blamed::Symbols},
    {C::WrongForm, Blamed::Nothing},
    {C::ChargesWritten, Blamed::Symbols},
    {C::OrderReversed, Blamed::Nothing},
    {C::NotLowestTerms, Blamed::Balance},
    {C::MissingParentheses, Blamed::Parentheses},
    {C::ExtraParentheses, Blamed::Parentheses},
    {C::OtherCharge, Blamed::Numeral},
    {C::NumeralAsSubscript, Blamed::Numeral},
    {C::IonExpanded, Blamed::Parentheses},
    {C::ChargesUnbalanced, Blamed::Balance},
    {C::AmmoniaAmmonium, Blamed::Cation},
    {C::WrongAnion, Blamed::Anion},
    {C::WrongIon, Blamed::IonMissed},
    {C::WrongSymbol, Blamed::Symbols},
    {C::CovalentCount, Blamed::Prefixes},
    {C::ClassicalName, Blamed::Numeral},
    {C::NumeralForm, Blamed::Numeral},
    {C::NumeralMissing, Blamed::Numeral},
    {C::NumeralWrong, Blamed::Numeral},
    {C::NumeralNotNeeded, Blamed::Numeral},
    {C::PrefixesOnIonic, Blamed::NoPrefixIonic},
    {C::MonoFirst, Blamed::Prefixes},
    {C::PrefixWrong, Blamed::Prefixes},
    {C::ElementForAnion, Blamed::Anion},
    {C::OldHydrogenName, Blamed::Anion},
    {C::CommonName, Blamed::Nothing},
    {C::Misspelt, Blamed::Nothing},
    {C::Unclassified, Blamed::Nothing},
};

static_assert(listsEveryCategoryInOrder(Blames));

QString cationSkill(const Question &question) {
    return Skills::cation(question.cationName, question.cationCharge, question.multivalent);
}

// The cation comes first in names and formulas alike (an answer in the other order is judged
// as such before another ion is looked for), so an answer that starts with the question's
// cation has the anion wrong.
QString missedIon(const QString &typed, const Question &question) {
    const QString answer = typed.trimmed();
    const bool cationRight =
        question.askName
            ? QuizRules::canonicalSpelling(answer, true)
                  .startsWith(QuizRules::canonicalSpelling(question.cationName, true))
            : !question.cationSymbol.isEmpty() && (answer.startsWith(question.cationSymbol) ||
                                                   answer.startsWith(u'(' + question.cationSymbol));
    return cationRight ? Skills::anion(question.anionName) : cationSkill(question);
}

} // namespace

QString blamedSkill(const Attempt &attempt, const Question &question) {
    const std::optional<AnswerCategory> category = QuizRules::categoryOfCode(attempt.category);
    if (!category)
        return {};
    const bool ionic = question.kind == CompoundKind::Ionic;
    switch (Blames[std::size_t(*category)].blamed) {
    case Blamed::Nothing:
        return {};
    case Blamed::Cation:
        return ionic ? cationSkill(question) : QString();
    case Blamed::Anion:
        return ionic ? Skills::anion(question.anionName) : QString();
    case Blamed::IonMissed:
        return ionic ? missedIon(attempt.typed, question) : QString();
    case Blamed::Balance:
        return Skills::Balance;
    case Blamed::Parentheses:
        return Skills::Parentheses;
    case Blamed::Numeral:
        return question.askName ? Skills::NumeralRead : Skills::NumeralWrite;
    case Blamed::NoPrefixIonic:
        return Skills::NoPrefixIonic;
    case Blamed::Prefixes:
        return Skills::Prefixes;
    case Blamed::Symbols:
        return Skills::Symbols;
    }
    return {};
}
