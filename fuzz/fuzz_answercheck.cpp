// Answer normalisation and judgement on arbitrary typing. The input's first line is the
// expected answer (a catalogue text never holds a line end), the rest what was typed.

#include "answercheck.h"
#include "fuzzcheck.h"

#include <QList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using QuizRules::isCorrectAnswer;
using QuizRules::normalisedAnswer;

QString withoutSpaces(QString text) {
    return text.remove(u' ');
}

// The lengths of the runs of spaces that stand between other characters.
QList<qsizetype> innerSpaceRuns(QStringView text) {
    QList<qsizetype> runs;
    qsizetype run = 0;
    bool afterText = false;
    for (QChar c : text) {
        if (c == u' ') {
            ++run;
            continue;
        }
        if (afterText && run > 0)
            runs.append(run);
        afterText = true;
        run = 0;
    }
    return runs;
}

QString asciiCaseSwapped(QString text) {
    for (QChar &c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return text;
}

// Only spaces go: those at the ends, and half of every inner run, rounded down.
void checkNormalisation(const QString &typed) {
    const QString normalised = normalisedAnswer(typed);
    require(normalised.size() <= typed.size(), "normalising never lengthens");
    require(!normalised.startsWith(u' ') && !normalised.endsWith(u' '),
            "a normalised answer neither starts nor ends with a space");
    require(withoutSpaces(normalised) == withoutSpaces(typed), "normalising only takes spaces");
    QList<qsizetype> halved = innerSpaceRuns(typed);
    std::transform(halved.begin(), halved.end(), halved.begin(),
                   [](qsizetype run) { return (run + 1) / 2; });
    require(innerSpaceRuns(normalised) == halved, "a run of n inner spaces keeps n/2 rounded up");
}

void checkJudgement(const QString &typed, const QString &expected) {
    const bool formulaCorrect = isCorrectAnswer(typed, expected, false);
    require(formulaCorrect == (normalisedAnswer(typed) == expected),
            "a formula is correct exactly when the normalised answer equals it");
    require(!formulaCorrect || isCorrectAnswer(typed, expected, true),
            "a correct formula text is a correct name text too");

    const QString swapped = asciiCaseSwapped(typed);
    require(isCorrectAnswer(swapped, expected, true) == isCorrectAnswer(typed, expected, true),
            "letter case never matters in names");
    require(swapped == typed || !(formulaCorrect && isCorrectAnswer(swapped, expected, false)),
            "letter case always matters in formulas");

    if (normalisedAnswer(expected) != expected)
        return;
    for (bool nameAsked : {false, true}) {
        require(isCorrectAnswer(expected, expected, nameAsked),
                "the expected answer itself is correct");
        require(isCorrectAnswer(QStringLiteral("  ") + expected + u' ', expected, nameAsked),
                "spaces around the answer do not matter");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf(u'\n');
    const QString expected = lineEnd < 0 ? input : input.first(lineEnd);
    const QString typed = lineEnd < 0 ? QString() : input.sliced(lineEnd + 1);
    checkNormalisation(typed);
    checkJudgement(typed, expected);
    return 0;
}
