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

QDate LocalDays::dayOf(const QDateTime &time) {
    // Its epoch milliseconds would cost a conversion the other way.
    if (time.timeSpec() == Qt::LocalTime)
        return time.date();
    constexpr qint64 QuarterMs = 15 * 60 * 1000;
    const qint64 ms = time.toMSecsSinceEpoch();
    if (ms / QuarterMs != m_quarter) {
        m_quarter = ms / QuarterMs;
        m_offsetMs = qint64(time.toLocalTime().offsetFromUtc()) * 1000;
    }
    return QDateTime::fromMSecsSinceEpoch(ms + m_offsetMs, Qt::UTC).date();
}
