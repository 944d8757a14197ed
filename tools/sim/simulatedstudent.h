#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <random>

// A student made of skills known and unknown, who answers by chance: nearly always right
// when every skill of the question is known, seldom otherwise, and learns an unknown skill
// now and then from the questions that need it.
class SimulatedStudent {
public:
    static constexpr double RightWhenAllKnown = 0.97;
    static constexpr double RightOtherwise = 0.10;
    // Of the wrong answers to a question with an unknown skill, those the rules cannot explain.
    static constexpr double Unexplained = 0.20;
    static constexpr double LearntFromExplanation = 0.25;
    static constexpr double LearntFromQuestion = 0.08;

    struct Answer {
        bool right = false;
        QString blamedSkill; // the unknown skill a wrong answer's explanation names; may be empty
    };

    SimulatedStudent(QSet<QString> unknownSkills, std::uint32_t seed);

    // One answer to a question that needs these skills, and what the student learns from it.
    Answer answer(const QStringList &skills);
    bool knowsEverySkill() const { return m_unknown.isEmpty(); }
    bool knows(const QString &skill) const { return !m_unknown.contains(skill); }

private:
    bool chance(double probability);

    QSet<QString> m_unknown;
    std::mt19937 m_random;
};
