#pragma once

#include "ioncatalogue.h"
#include "quizstate.h"

#include <QLatin1StringView>
#include <QString>

// What a typed answer gets wrong, in the order the report lists the mistakes: those a
// formula can have, then those only a name can have, then the rest. The first two are right
// answers.
enum class AnswerCategory {
    Exact,
    SpellingVariant, // a name the course spells otherwise: sulphate, aluminum, pentoxide
    SymbolCase,
    WrongForm,
    ChargesWritten,
    OrderReversed,
    NotLowestTerms,
    MissingParentheses,
    ExtraParentheses,
    OtherCharge,
    NumeralAsSubscript,
    ChargesUnbalanced,
    WrongAnion,
    WrongIon,
    CovalentCount,
    NumeralMissing,
    NumeralWrong,
    NumeralNotNeeded,
    PrefixesOnIonic,
    MonoFirst,
    PrefixWrong,
    ElementForAnion,
    Misspelt,
    Unclassified,
};

struct AnswerFeedback {
    bool correct = false;
    AnswerCategory category = AnswerCategory::Unclassified;
    // One sentence for the student; empty for an exact answer and when unclassified.
    QString explanation;
    // The name as the course spells it, for a spelling variant.
    QString courseSpelling;
};

namespace QuizRules {

// Judges as isCorrectAnswer does, but for spelling variants, which it takes as right too,
// and says what a wrong answer gets wrong: the first mistake whose rule it meets, in the
// order of the enum for a formula and in an order of their own for a name. The catalogue
// gives the ions the answer may hold instead.
AnswerFeedback judgeAnswer(const Question &question, const QString &typed,
                           const IonCatalogue &catalogue);

// "symbol-case", "exact": the names scripts and the checker use.
QLatin1StringView categoryCode(AnswerCategory category);

// "charges not balanced": what a teacher reads at a glance in the printed report.
QString categoryLabel(AnswerCategory category);

} // namespace QuizRules
