#pragma once

#include "ioncatalogue.h"

#include <QList>
#include <QString>

enum class CompoundKind { Ionic, SimpleCovalent, ComplexCovalent };

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
// A charge digit listed twice gives its compounds twice, as the draw would.
QList<AnswerKeyRow> answerKey(const IonCatalogue &catalogue);
