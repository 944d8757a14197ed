#pragma once

#include <cstddef>

// What a typed answer gets wrong, in the order the report lists the mistakes: those a
// formula can have, then those only a name can have, then the rest. The first two are right
// answers.
enum class AnswerCategory {
    Exact,
    SpellingVariant, // a name the course spells otherwise: sulphate, aluminum, pentoxide
    SymbolCase,
    LetterDigit, // 0 for O, I for l, ² for 2
    WrongForm,
    ChargesWritten,
    OrderReversed,
    NotLowestTerms,
    MissingParentheses,
    ExtraParentheses,
    OtherCharge,
    NumeralAsSubscript,
    IonExpanded, // a polyatomic ion written atom by atom or multiplied out
    ChargesUnbalanced,
    AmmoniaAmmonium,
    WrongAnion,
    WrongIon,
    WrongSymbol,
    CovalentCount,
    ClassicalName, // ferric, cuprous
    NumeralForm,   // iron 3, iron(3+)
    NumeralMissing,
    NumeralWrong,
    NumeralNotNeeded,
    PrefixesOnIonic,
    MonoFirst,
    PrefixWrong,
    ElementForAnion,
    OldHydrogenName, // bicarbonate
    CommonName,      // table salt
    Misspelt,
    Unclassified,
};

// A table with a row for each category, in the order above, can be indexed by category: true
// when its rows' `category` members are exactly that.
template <class Row, std::size_t Rows>
constexpr bool listsEveryCategoryInOrder(const Row (&rows)[Rows]) {
    for (std::size_t row = 0; row < Rows; ++row) {
        if (rows[row].category != AnswerCategory(row))
            return false;
    }
    return Rows == std::size_t(AnswerCategory::Unclassified) + 1;
}
