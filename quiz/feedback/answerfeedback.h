#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/composition/question.h"
#include "quiz/feedback/answercategory.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

struct AnswerFeedback {
    bool correct = false;
    AnswerCategory category = AnswerCategory::Unclassified;
    // One sentence for the student; empty for an exact answer and when unclassified.
    QString explanation;
    // The name as the course spells it, for a spelling variant.
    QString courseSpelling;
};

namespace QuizRules {

// Judges as isCorrectAnswer does, but for spelling variants, which it takes as right too,
// and says what a wrong answer gets wrong: the first mistake whose rule it meets, in the
// order of the enum for a formula and in an order of their own for a name. The catalogue
// gives the ions the answer may hold instead.
AnswerFeedback judgeAnswer(const Question &question, const QString &typed,
                           const IonCatalogue &catalogue);

// "symbol-case", "exact": the names scripts and the checker use.
QLatin1StringView categoryCode(AnswerCategory category);

// The category of a code that categoryCode gives; nothing for a code it never gives, such as
// one a newer program wrote into a results file.
std::optional<AnswerCategory> categoryOfCode(QStringView code);

// "charges not balanced": what a teacher reads at a glance in the printed report.
QString categoryLabel(AnswerCategory category);

} // namespace QuizRules
