#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/composition/question.h"

#include <QString>

// How names and formulas are made from the ions of a question.
namespace QuizRules {

// Any capital letter after the first character: NH4, OH, SO4; not Mg, Cl or Hg2.
bool isPolyatomic(const QString &formula);

// A symbol or formula with its subscript; 1 is written as nothing. Before a larger
// subscript, polyatomic formulas and those ending in digits of their own are
// parenthesised, so that Hg2 three times reads (Hg2)3, never Hg23.
QString formulaPart(const QString &symbol, int subscript);

// "iron(III) chloride" for a multivalent cation, otherwise "sodium chloride".
QString ionicName(const Question &question);

// The charges crossed over in lowest terms: Fe 3 with SO4 2 gives Fe2(SO4)3.
QString ionicFormula(const Question &question);

// The five lines that describe the cation and anion of an ionic question.
QString ionicHelpText(const Question &question);

// "diphosphorus pentaoxide": the second element always has its count's Greek prefix, "mono"
// included; the first has one only for more than one atom; "monooxide" is contracted.
QString simpleCovalentName(const QString &firstName, int firstCount, const QString &secondName,
                           int secondCount);

// Names and writes a simple covalent compound from the element (cationCharge counts the
// second element's atoms) and the second element (anionCharge counts the first's). The
// counts are brought to lowest terms and left in the question, emptied when 1.
void composeSimpleCovalent(Question &question);

// A covalent compound whose formula the complex compounds list is asked by the first
// name listed with it.
void adoptListedName(Question &question, const IonCategory &complexCompounds);

} // namespace QuizRules
