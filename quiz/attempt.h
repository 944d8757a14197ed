#pragma once

#include "quiz/composition/question.h"

#include <QDateTime>
#include <QString>

// How a try ended.
enum class Verdict { Right, Variant, Wrong, GaveUp };

// One try at a question: a wrong answer, the right one, or the give-up. The record keeps it,
// the progress figures and the practice model learn from it.
struct Attempt {
    QDateTime time; // UTC
    // The engine counts the series of its run from 1; the record and the handed-in files
    // carry a number unique to the student's account, across runs and copies running at once.
    int series = 0;
    int question = 0; // its number in the series, 1 to 20
    CompoundKind kind = CompoundKind::Ionic;
    bool askName = false; // the formula was shown and the name asked
    QString shown;
    QString expected;
    QString typed; // empty for a give-up
    Verdict verdict = Verdict::Wrong;
    // The mistake's code for a wrong try ("unclassified" when the rules cannot tell); empty
    // for the other verdicts.
    QString category;
    bool helpUsed = false; // F3 was opened for the question before this try
    // Ionic questions only; empty otherwise.
    QString cationName;       // "iron"
    QString cationCharge;     // "3"
    bool multivalent = false; // the cation's charge was drawn from several: iron(III)
    QString anionName;
};
