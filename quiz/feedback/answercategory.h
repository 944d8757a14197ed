#pragma once

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
