// Answer normalisation and judgement on arbitrary typing. The input's first line is the
// expected answer (a catalogue text never holds a line end), the rest what was typed.

#include "answercheck.h"
#include "answerfeedback.h"
#include "answerkey.h"
#include "composition.h"
#include "fuzzcheck.h"

#include <QHash>
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

struct Sample {
    IonCatalogue catalogue;
    QList<Question> key;
};

const Sample &sample() {
    static const Sample loaded = [] {
        Sample sample;
        Silent diagnostics;
        LoadIonsFile(QStringLiteral(IONARCH_SAMPLE_DATA), sample.catalogue, diagnostics);
        sample.key = answerKeyQuestions(sample.catalogue);
        return sample;
    }();
    return loaded;
}

// The sample's question whose answer is the expected line, or one that the line picks.
Question sampleQuestion(const QString &expected) {
    if (std::optional<Question> showing = questionShowing(sample().key, expected)) {
        showing->askName = !showing->askName;
        return *showing;
    }
    const std::size_t pick = qHash(expected);
    Question question = sample().key.at(qsizetype(pick % std::size_t(sample().key.size())));
    question.askName = pick % 2 == 0;
    return question;
}

// An ionic question made of the expected line's words, "iron Fe 3 chloride Cl 1", however
// few or odd they are, asked both ways.
Question wordsQuestion(const QString &expected, bool askName) {
    const QStringList word = expected.split(u' ');
    Question question;
    question.takeCation({word.value(0), word.value(1), {}}, word.value(2));
    question.takeAnion({word.value(3), word.value(4), word.value(5)});
    question.multivalent = word.size() % 2 == 0;
    question.askName = askName;
    question.compoundName = QuizRules::ionicName(question);
    question.formula = QuizRules::ionicFormula(question);
    return question;
}

// The explaining judge takes an answer as right exactly when the plain one does, or when it
// is a spelling variant of the name.
void checkFeedback(const QString &typed, const Question &question) {
    const QString &expected = question.askName ? question.compoundName : question.formula;
    const bool accepted = isCorrectAnswer(typed, expected, question.askName);
    const AnswerFeedback feedback = QuizRules::judgeAnswer(question, typed, sample().catalogue);
    require(feedback.correct == (accepted || feedback.category == AnswerCategory::SpellingVariant),
            "only a spelling variant turns a wrong answer right");
    require(accepted == (feedback.category == AnswerCategory::Exact),
            "a right answer is exact, a wrong one is not");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf(u'\n');
    const QString expected = lineEnd < 0 ? input : input.first(lineEnd);
    const QString typed = lineEnd < 0 ? QString() : input.sliced(lineEnd + 1);
    checkNormalisation(typed);
    checkJudgement(typed, expected);
    for (const Question &question :
         {sampleQuestion(expected), wordsQuestion(expected, false), wordsQuestion(expected, true)})
        checkFeedback(typed, question);
    return 0;
}
