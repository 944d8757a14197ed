#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/quizstate.h"

#include <QList>
#include <QString>

#include <optional>

struct AnswerKeyRow {
    CompoundKind kind;
    QString name;
    QString formula;

    friend bool operator==(const AnswerKeyRow &, const AnswerKeyRow &) = default;
};

// Every compound the quiz can ask with this catalogue, composed as the quiz composes it:
// ionic compounds cation by cation (monovalent table first), charge by charge, anion by
// anion in draw order; then simple covalent compounds element by element, count by count,
// simple anion by simple anion, skipping pairs of one formula; then the complex ones.
// A charge digit listed twice gives its compounds twice, as the draw would. The questions
// keep their ions or parts, so that an answer can be judged against them; askName is false.
QList<Question> answerKeyQuestions(const IonCatalogue &catalogue);
// The question of the key whose question box shows `shown`, with askName set: a formula asks
// for the name, a name for the formula. Where two show the same text, the first is asked.
std::optional<Question> questionShowing(const QList<Question> &key, const QString &shown);

// The same compounds as the checker prints them.
QList<AnswerKeyRow> answerKey(const IonCatalogue &catalogue);
