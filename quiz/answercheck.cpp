#include "answercheck.h"

namespace QuizRules {

QString normalisedAnswer(const QString &typed) {
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && typed.at(first) == u' ')
        ++first;
    while (end > first && typed.at(end - 1) == u' ')
        --end;
    // replace() resumes after each replacement, which is exactly the single pass wanted.
    return typed.mid(first, end - first).replace(QStringLiteral("  "), QStringLiteral(" "));
}

bool isCorrectAnswer(const QString &typed, const QString &expected, bool nameAsked) {
    const QString answer = normalisedAnswer(typed);
    return nameAsked ? answer.toLower() == expected.toLower() : answer == expected;
}

} // namespace QuizRules
