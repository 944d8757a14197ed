#pragma once

#include "quiz/composition/question.h"

#include <QString>
#include <QStringView>

#include <optional>

// How the symbols of a typed formula differ from those of the formula asked, said as the
// student reads it; nothing when they do not differ that way.
namespace QuizRules {

// The same letters in other capitals, whatever the digits: "Co is cobalt; carbon monoxide is
// C and O", "Write O, not o".
std::optional<QString> symbolCaseSlip(const Question &question, QStringView typed);

// The formula asked but for characters that look alike: the digit 0 for the letter O, a
// capital i for a small L or the other way round, the digit 1 for a small L, a count raised
// or lowered by hand.
std::optional<QString> lookAlikeSlip(QStringView expected, QStringView typed);

// The formula's symbols but one, which stands for another element or for none: "P is
// phosphorus, not potassium." A symbol in other capitals is left to symbolCaseSlip.
std::optional<QString> otherSymbol(QStringView expected, QStringView typed);

} // namespace QuizRules
