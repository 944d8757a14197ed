#include "tools/sim/simulatedstudent.h"

SimulatedStudent::SimulatedStudent(QSet<QString> unknownSkills, std::uint32_t seed)
    : m_unknown(std::move(unknownSkills))
    , m_random(seed) {}

SimulatedStudent::Answer SimulatedStudent::answer(const QStringList &skills) {
    QStringList unknown;
    for (const QString &skill : skills) {
        if (!knows(skill))
            unknown << skill;
    }
    Answer answer;
    answer.right = chance(unknown.isEmpty() ? RightWhenAllKnown : RightOtherwise);
    if (!answer.right && !unknown.isEmpty() && !chance(Unexplained))
        answer.blamedSkill =
            unknown.at(std::uniform_int_distribution<qsizetype>(0, unknown.size() - 1)(m_random));
    for (const QString &skill : unknown) {
        if (chance(skill == answer.blamedSkill ? LearntFromExplanation : LearntFromQuestion))
            m_unknown.remove(skill);
    }
    return answer;
}

bool SimulatedStudent::chance(double probability) {
    return std::bernoulli_distribution(probability)(m_random);
}
