#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/quizsettings.h"
#include "quiz/attempt.h"
#include "tools/sim/simulatedstudent.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Ionic compounds of both kinds of cation and every anion group, both ways mixed: the
// questions the simulated students practise.
QuizSettings simulatedSettings();

// The try at the question asked as the run's question `number`, from 1, as the quiz hands it
// on: a right answer typed as expected, any other with nothing typed, which starts with no ion
// of the question.
Attempt tryAt(const Question &question, Verdict verdict, const QString &category, int number,
              const QDateTime &time);

enum class PracticePolicy { Random, Adaptive };

// How one simulated student fared; counts of questions, empty when not reached.
struct StudentRun {
    std::optional<int> toTrueMastery;     // the student knows every skill
    std::optional<int> toDeclaredMastery; // the model holds every skill practised mastered
    bool falseMastery = false;            // declared while a skill was still unknown
};

// Simulated students practising the simulated settings' questions.
class PracticeSimulation {
public:
    PracticeSimulation(const IonCatalogue &catalogue, PracticePolicy policy, int maxQuestions);

    // Every skill that these questions can need.
    const QStringList &practisedSkills() const { return m_practised; }
    // Drives the program's own draw, chooser and model until the student knows everything and
    // the model says so, or maxQuestions have been asked. The seed gives the draw's values.
    StudentRun run(SimulatedStudent &student, std::uint32_t seed) const;

private:
    const IonCatalogue &m_catalogue;
    PracticePolicy m_policy;
    int m_maxQuestions;
    QStringList m_practised;
};

// "median 128, p90 240, false mastery 1.0 %": questions to true mastery, "-" for a share of
// students that never got there.
QString summaryLine(const QList<StudentRun> &runs);
