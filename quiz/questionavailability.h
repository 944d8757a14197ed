#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/quizsettings.h"

#include <QString>

// Where the settings in force take their questions from.
enum class QuestionSource { Ionic, SimpleCovalent, ComplexCovalent, EitherCovalent };

QuestionSource questionSource(const QuizSettings &settings);

// Some element and some anion of the draw have different formulas.
bool canAskSimpleCovalent(const IonCatalogue &catalogue, const QuizSettings &settings);
bool canAskComplexCovalent(const IonCatalogue &catalogue);

// What the settings lack to give a question and how to change them, in words for a
// message box; empty when a question can be given. With both covalent kinds chosen, one
// kind that can give a question is enough.
QString whyNoQuestion(const IonCatalogue &catalogue, const QuizSettings &settings);
