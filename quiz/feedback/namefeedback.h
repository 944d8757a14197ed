#pragma once

#include "quiz/feedback/answerfeedback.h"

namespace QuizRules {

// What the name typed for a formula gets wrong, or that it is the name in another spelling,
// by the first rule it meets: wrong form, spelling variant, order reversed, numeral missing,
// wrong or not needed, prefixes on an ionic name, mono first, prefix wrong, element for anion,
// wrong anion, wrong ion, misspelt. The verdict is left false. answer is normalised and not
// the name asked.
AnswerFeedback nameMistake(const Question &question, const QString &answer,
                           const IonCatalogue &catalogue);

} // namespace QuizRules
