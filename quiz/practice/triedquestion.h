#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/attempt.h"
#include "quiz/composition/question.h"

#include <QHash>
#include <QString>

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
