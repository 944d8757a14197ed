#pragma once

#include <QString>

// How a typed answer is judged.
namespace QuizRules {

// Spaces (only U+0020) trimmed at both ends, then every pair of adjacent spaces made one
// in a single left-to-right pass: three spaces become two.
QString normalisedAnswer(const QString &typed);

// Names compare without regard to letter case, formulas exactly; the expected text is
// used as it stands.
bool isCorrectAnswer(const QString &typed, const QString &expected, bool nameAsked);

} // namespace QuizRules
