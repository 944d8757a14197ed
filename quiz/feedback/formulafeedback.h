#pragma once

#include "quiz/feedback/answerfeedback.h"

namespace QuizRules {

// What the formula typed for a name gets wrong: the first rule it meets, in the order of
// AnswerCategory. answer is normalised and not the formula asked.
AnswerFeedback formulaMistake(const Question &question, const QString &answer,
                              const IonCatalogue &catalogue);

} // namespace QuizRules
