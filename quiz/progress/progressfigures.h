#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/attempt.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// How the questions that needed a skill went lately: the last ten against the ten before.
enum class Trend { Unknown, Better, Steady, Worse };

// One skill of the practice model, as the Progress window lists it.
struct SkillFigures {
    QString skill; // the practice model's id: "cation:iron(III)", "rule:balance"
    int tries = 0; // every try at a question that needed it
    // Of the last ten questions that needed it (fewer until there have been ten), those right
    // at the first try.
    int recentQuestions = 0;
    int recentFirstTryRight = 0;
    Trend trend = Trend::Unknown;
    double strength = 0; // the practice model's, as of the day asked
    bool mastered = false;
};

// One series of questions and how it went.
struct SeriesFigures {
    QDateTime started; // its first try
    int questions = 0;
    int right = 0; // answered right in the end, as the score counts them
    int firstTryRight = 0;
    int givenUp = 0;
};

// The wrong tries of one week, Monday to Sunday, by their mistake's code.
struct WeekFigures {
    QDate monday;
    QMap<QString, int> mistakes;
};

struct ProgressFigures {
    int tries = 0;
    // Every skill of the data file, weakest first; of equal strength, in the order the
    // practice model lists them.
    QList<SkillFigures> skills;
    QList<SeriesFigures> series; // oldest first
    // The weeks up to the one of the latest try, at most ShownWeeks and none before the first
    // try's, oldest first; none without tries.
    QList<WeekFigures> weeks;
    // The codes of the mistakes made in those weeks, the most frequent first; of equal counts,
    // in the order of their codes.
    QStringList mistakeKinds;
};

namespace ProgressRules {

// The questions whose first tries are weighed, and as many before them for the trend.
inline constexpr int RecentQuestions = 10;
// The trend needs at least so many questions before the last ten, and their shares right at
// the first try must differ by more than one question in ten.
inline constexpr int TrendLeastEarlier = 5;
inline constexpr double TrendMargin = 0.1;
inline constexpr int ShownWeeks = 8;

} // namespace ProgressRules

// The student's progress from their tries: those of the learning record before this run and
// this run's, each oldest first, so that a series number of the one never meets the other's.
// The skills' strengths are the practice model's, learnt from the same tries.
ProgressFigures progressFigures(const IonCatalogue &catalogue, const QList<Attempt> &earlier,
                                const QList<Attempt> &thisRun, QDate today);
