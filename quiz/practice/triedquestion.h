#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/attempt.h"
#include "quiz/composition/question.h"

#include <QHash>
#include <QString>

// Which question a try was at: tries at one question share its series, its number and the
// text shown, so that the next try with another of them begins another question.
struct QuestionKey {
    int series = 0;
    int question = 0;
    QString shown;

    static QuestionKey of(const Attempt &attempt) {
        return {attempt.series, attempt.question, attempt.shown};
    }
    friend bool operator==(const QuestionKey &, const QuestionKey &) = default;
};

// The question of a recorded try, as far as the try and the catalogue tell: a try keeps its
// ions by name, and the catalogue gives the cation's symbol and the anion's charge, which an
// ion no longer listed lacks.
class TriedQuestions {
public:
    explicit TriedQuestions(const IonCatalogue &catalogue);

    Question questionOf(const Attempt &attempt) const;

private:
    QHash<QString, QString> m_cationSymbols;
    QHash<QString, QString> m_anionCharges;
};
