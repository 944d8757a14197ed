#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/attempt.h"
#include "quiz/practice/triedquestion.h"
#include "quiz/quizports.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// How well the student knows each skill, learnt from their tries alone: rebuilt from the
// learning record at start, then kept up try by try. A right answer at the first try, without
// the help for the question, strengthens every skill the question needs; a mistake weakens the
// skill it blames; an answer the rules cannot explain, a give-up and a right answer after a
// wrong one change nothing. Across days strength fades back towards what nothing is known
// about.
class PracticeModel final : public AttemptRecorder {
public:
    explicit PracticeModel(const IonCatalogue &catalogue);

    // Tries in the order they were made.
    void learnFrom(const QList<Attempt> &attempts);
    void recordAttempt(const Attempt &attempt) override;

    // 0 to 1, as of that day.
    double strength(const QString &skill, QDate day) const;
    bool isMastered(const QString &skill, QDate day) const;
    // How much a question needing these skills has to teach: 1 - strength summed over the
    // skills not mastered.
    double need(const QStringList &skills, QDate day) const;

private:
    struct SkillState {
        double strength;
        QDate day; // of the last try that changed it
        double halfLifeDays;
        bool fadedWhileMastered = false;
    };
    // The skill's state with the fading up to the day applied.
    SkillState &stateOn(const QString &skill, QDate day);
    void strengthen(const QString &skill, QDate day);
    void weaken(const QString &skill, QDate day);

    TriedQuestions m_triedQuestions;
    LocalDays m_days;
    QHash<QString, SkillState> m_skills;
    QuestionKey m_current;
    bool m_currentMissed = false; // a wrong try or a give-up at the current question
};
