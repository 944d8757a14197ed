#pragma once

#include "quiz/feedback/answerfeedback.h"

namespace QuizRules {

// What the name typed for a formula gets wrong, or that it is the name in another spelling,
// by the first rule it meets, in this order: a formula typed, the layout (spaces, invisible
// characters, punctuation), one part alone, spelling variant, order reversed, ammonia for
// ammonium, a classical -ous/-ic name, the numeral written another way, missing, wrong or not
// needed, prefixes on an ionic name, mono first, prefix wrong, an element for the anion, an old
// bi- name, a polyatomic ion named atom by atom, a related anion, another ion or element,
// another name of the compound, misspelt. The verdict is left false. answer is normalised and
// not the name asked.
AnswerFeedback nameMistake(const Question &question, const QString &answer,
                           const IonCatalogue &catalogue);

} // namespace QuizRules
