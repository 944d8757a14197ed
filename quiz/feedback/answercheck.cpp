#include "quiz/feedback/answercheck.h"

#include "catalogue/datatext.h"

namespace QuizRules {

QString normalisedAnswer(const QString &typed) {
    // replace() resumes after each replacement, which is exactly the single pass wanted.
    return trimSpaces(typed).toString().replace(QStringLiteral("  "), QStringLiteral(" "));
}

bool parenthesisTakesBackSpace(QStringView typedSoFar) {
    return typedSoFar.size() > 1 && typedSoFar.endsWith(u' ');
}

QString typedIntoAnswerBox(QStringView characters) {
    QString box;
    for (QChar character : characters) {
        if (character == u'(' && parenthesisTakesBackSpace(box))
            box.chop(1);
        box.append(character);
    }
    return box;
}

bool isCorrectAnswer(const QString &typed, const QString &expected, bool nameAsked) {
    const QString answer = normalisedAnswer(typed);
    return nameAsked ? answer.toLower() == expected.toLower() : answer == expected;
}

} // namespace QuizRules
