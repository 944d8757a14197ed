#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/composition/question.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// What a student has to know to answer: each ion of the data file, a cation once for each of
// its charges, and the rules of naming and writing. A skill is known by its id, "cation:
// iron(III)", "anion:sulfate", "rule:balance".
namespace Skills {

using namespace Qt::StringLiterals;

inline constexpr QLatin1StringView Balance = "rule:balance"_L1;
inline constexpr QLatin1StringView Parentheses = "rule:parentheses"_L1;
// The charge a Roman numeral gives, used to write a formula from a name.
inline constexpr QLatin1StringView NumeralWrite = "rule:numeral-write"_L1;
// The charge a formula gives, written as a Roman numeral in the name.
inline constexpr QLatin1StringView NumeralRead = "rule:numeral-read"_L1;
inline constexpr QLatin1StringView NoPrefixIonic = "rule:no-prefix-ionic"_L1;
inline constexpr QLatin1StringView Prefixes = "rule:prefixes"_L1;
inline constexpr QLatin1StringView Symbols = "rule:symbols"_L1;

// "cation:iron(III)" when the charge was drawn from several, else "cation:sodium".
QString cation(const QString &name, const QString &charge, bool multivalent);
QString anion(const QString &name);

// The skills the question needs, asked as it is: its ions; balancing when the charges
// differ and parentheses when the formula has them, both only to write a formula; the numeral
// for a charge drawn from several, each way; no prefixes when a name is written for a formula
// with counts; prefixes for a covalent compound named by them; symbols whenever a formula is
// written.
QStringList exercisedBy(const Question &question);

// Every skill of the catalogue: its cations in table order, one for each charge, its anions,
// then the rules.
QStringList all(const IonCatalogue &catalogue);

} // namespace Skills
