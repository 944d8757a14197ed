#pragma once

#include "quiz/attempt.h"
#include "quiz/composition/question.h"

#include <QString>

// The skill that a wrong try's mistake blames, on the question tried: empty when the mistake
// points at none (a misspelling, an unclassified answer, a code this version does not know).
QString blamedSkill(const Attempt &attempt, const Question &question);
