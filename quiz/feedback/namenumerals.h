#pragma once

#include "quiz/feedback/namecase.h"

#include <QString>

#include <optional>

// Rules of the name judge about the numeral that follows a cation's name: a classical -ous/-ic
// name in its place, the numeral written another way, missing, wrong, or where none belongs.
namespace QuizRules {

// ferric chloride: the Stock name the course uses, or what the old name stands for.
std::optional<QString> classical(const NameCase &c);
// iron 3, iron(3+), iron III, copper sulfate(II).
std::optional<QString> numeralForm(const NameCase &c);
std::optional<QString> numeralMissing(const NameCase &c);
std::optional<QString> numeralWrong(const NameCase &c);
// On a cation of one charge, in a molecule's name, or the oxidation number of an oxyanion.
std::optional<QString> numeralNotNeeded(const NameCase &c);

} // namespace QuizRules
