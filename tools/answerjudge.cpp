#include "tools/answerjudge.h"

#include "quiz/answerkey.h"
#include "quiz/feedback/answercheck.h"
#include "quiz/feedback/answerfeedback.h"

bool judgeAnswers(const IonCatalogue &catalogue, QTextStream &in, QTextStream &out) {
    const QList<Question> key = answerKeyQuestions(catalogue);
    bool allKnown = true;
    QString line;
    while (in.readLineInto(&line)) {
        const qsizetype tab = line.indexOf(u'\t');
        const QString shown = tab < 0 ? line : line.first(tab);
        const QString typed = tab < 0 ? QString() : line.sliced(tab + 1);
        const std::optional<Question> question = questionShowing(key, shown);
        if (!question) {
            allKnown = false;
            out << "error\tunknown-question\tNo compound of the answer key shows \"" << shown
                << "\".\n";
            continue;
        }
        const AnswerFeedback feedback =
            QuizRules::judgeAnswer(*question, QuizRules::typedIntoAnswerBox(typed), catalogue);
        out << (feedback.correct ? "correct" : "wrong") << '\t'
            << QuizRules::categoryCode(feedback.category) << '\t' << feedback.explanation << '\n';
    }
    return allKnown;
}
