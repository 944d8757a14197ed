#pragma once

#include "answerfeedback.h"

namespace QuizRules {

// What the name typed for a formula gets wrong, or that it is the name in another spelling:
// the first rule it meets, in the order of AnswerCategory; the verdict is left false. answer
// is normalised and not the name asked.
AnswerFeedback nameMistake(const Question &question, const QString &answer,
                           const IonCatalogue &catalogue);

} // namespace QuizRules
