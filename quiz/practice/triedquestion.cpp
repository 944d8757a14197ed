#include "quiz/practice/triedquestion.h"

#include "quiz/feedback/formulareading.h"

TriedQuestions::TriedQuestions(const IonCatalogue &catalogue) {
    for (const IonEntry &cation : QuizRules::listedCations(catalogue))
        m_cationSymbols.insert(cation.Name, cation.Formula);
    for (const IonEntry &anion : QuizRules::listedAnions(catalogue))
        m_anionCharges.insert(anion.Name, anion.Charges);
}

Question TriedQuestions::questionOf(const Attempt &attempt) const {
    Question question;
    question.kind = attempt.kind;
    question.askName = attempt.askName;
    question.formula = attempt.askName ? attempt.shown : attempt.expected;
    question.compoundName = attempt.askName ? attempt.expected : attempt.shown;
    question.cationName = attempt.cationName;
    question.cationSymbol = m_cationSymbols.value(attempt.cationName);
    question.cationCharge = attempt.cationCharge;
    question.multivalent = attempt.multivalent;
    question.anionName = attempt.anionName;
    question.anionCharge = m_anionCharges.value(attempt.anionName);
    return question;
}
