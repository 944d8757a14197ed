#pragma once

#include <QString>
#include <QStringView>

// How a typed answer is judged.
namespace QuizRules {

// Spaces (only U+0020) trimmed at both ends, then every pair of adjacent spaces made one
// in a single left-to-right pass: three spaces become two.
QString normalisedAnswer(const QString &typed);

// The answer box takes a space back when "(" is typed straight after it, so that "iron ("
// becomes "iron(": true when the text typed so far loses its last character to a "(".
bool parenthesisTakesBackSpace(QStringView typedSoFar);
// The text the answer box holds once these characters are typed into it one by one.
QString typedIntoAnswerBox(QStringView characters);

// Names compare without regard to letter case, formulas exactly; the expected text is
// used as it stands.
bool isCorrectAnswer(const QString &typed, const QString &expected, bool nameAsked);

} // namespace QuizRules
