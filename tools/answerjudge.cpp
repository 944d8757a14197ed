#include "answerjudge.h"

#include "answerfeedback.h"
#include "answerkey.h"

#include <QHash>

bool judgeAnswers(const IonCatalogue &catalogue, QTextStream &in, QTextStream &out) {
    // By what the question box shows; where two compounds show the same, the first is asked.
    QHash<QString, Question> questions;
    const auto keepFirst = [&questions](const QString &shown, const Question &question) {
        if (!questions.contains(shown))
            questions.insert(shown, question);
    };
    for (Question question : answerKeyQuestions(catalogue)) {
        question.askName = true;
        keepFirst(question.formula, question);
        question.askName = false;
        keepFirst(question.compoundName, question);
    }
    bool allKnown = true;
    QString line;
    while (in.readLineInto(&line)) {
        const qsizetype tab = line.indexOf(u'\t');
        const QString shown = tab < 0 ? line : line.first(tab);
        const QString typed = tab < 0 ? QString() : line.sliced(tab + 1);
        const auto question = questions.constFind(shown);
        if (question == questions.constEnd()) {
            allKnown = false;
            out << "error\tunknown-question\tNo compound of the answer key shows \"" << shown
                << "\".\n";
            continue;
        }
        const AnswerFeedback feedback = QuizRules::judgeAnswer(*question, typed, catalogue);
        out << (feedback.correct ? "correct" : "wrong") << '\t'
            << QuizRules::categoryCode(feedback.category) << '\t' << feedback.explanation << '\n';
    }
    return allKnown;
}
