#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/attempt.h"
#include "quiz/composition/question.h"

#include <QDate>
#include <QDateTime>
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

// The local calendar day of each try, for a record of many. Every conversion to local time
// asks the system for its time zone again (on Linux, the status of /etc/localtime), which for
// 50,000 tries cost more than all the rest of learning them; so the offset from UTC is kept
// for the quarter of an hour it was read in, the finest step in which time zones change.
class LocalDays {
public:
    QDate dayOf(const QDateTime &time);

private:
    qint64 m_quarter = -1; // of the offset, counted in quarters of an hour since 1970
    qint64 m_offsetMs = 0;
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
