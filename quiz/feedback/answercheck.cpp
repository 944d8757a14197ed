#include "quiz/feedback/answercheck.h"

#include "catalogue/datatext.h"

namespace QuizRules {

QString normalisedAnswer(const QString &typed) {
    // replace() resumes after each replacement, which is exactly the single pass wanted.
    return trimSpaces(typed).toString().replace(QStringLiteral("  "), QStringLiteral(" "));
}

bool isCorrectAnswer(const QString &typed, const QString &expected, bool nameAsked) {
    const QString answer = normalisedAnswer(typed);
    return nameAsked ? answer.toLower() == expected.toLower() : answer == expected;
}

} // namespace QuizRules
