// Judgement with explanation on arbitrary typing: no wrong answer is ever judged right but a
// spelling variant, and no right one wrong. The input's first line picks the question (a
// catalogue text never holds a line end), the rest is what was typed.

#include "fuzz/fuzzcheck.h"
#include "quiz/answerkey.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/answercheck.h"
#include "quiz/feedback/answerfeedback.h"
#include "tests/support/core/samplecatalogue.h"

#include <QHash>
#include <QList>

#include <cstddef>
#include <cstdint>

namespace {

using QuizRules::isCorrectAnswer;

struct Sample {
    IonCatalogue catalogue;
    QList<Question> key;
};

const Sample &sample() {
    static const Sample loaded = [] {
        Sample sample;
        sample.catalogue = loadSampleCatalogue();
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
    for (const Question &question :
         {sampleQuestion(expected), wordsQuestion(expected, false), wordsQuestion(expected, true)})
        checkFeedback(typed, question);
    return 0;
}
