#pragma once

#include "quiz/feedback/answerfeedback.h"

#include <optional>
#include <span>

namespace QuizRules {

// One mistake an answer can make: its explanation when the answer makes it, else nothing.
// Case holds the question and the answer as the rules of one direction read them.
template <class Case> struct FeedbackRule {
    AnswerCategory category;
    std::optional<QString> (*explain)(const Case &);
};

// The first rule, in order, that the answer meets; unclassified when none. The verdict is
// left to the caller.
template <class Case>
AnswerFeedback firstRuleMet(std::span<const FeedbackRule<Case>> rules, const Case &answer) {
    for (const FeedbackRule<Case> &rule : rules) {
        if (std::optional<QString> explanation = rule.explain(answer))
            return {false, rule.category, *explanation, {}};
    }
    return {false, AnswerCategory::Unclassified, {}, {}};
}

} // namespace QuizRules
