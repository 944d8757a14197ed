#pragma once

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
