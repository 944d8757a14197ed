#include "quiz/practice/practicemodel.h"

#include "quiz/practice/mistakeblame.h"
#include "quiz/practice/practiceparameters.h"
#include "quiz/practice/skills.h"

#include <cmath>

namespace {

using namespace PracticeParameters;

double fadedStrength(double strength, double halfLifeDays, QDate from, QDate to) {
    const qint64 days = from.isValid() ? from.daysTo(to) : 0;
    if (days <= 0)
        return strength;
    return StartingStrength +
           (strength - StartingStrength) * std::exp2(-double(days) / halfLifeDays);
}

} // namespace

PracticeModel::PracticeModel(const IonCatalogue &catalogue)
    : m_triedQuestions(catalogue) {}

void PracticeModel::learnFrom(const QList<Attempt> &attempts) {
    for (const Attempt &attempt : attempts)
        recordAttempt(attempt);
}

void PracticeModel::recordAttempt(const Attempt &attempt) {
    const QuestionKey key = QuestionKey::of(attempt);
    if (key != m_current) {
        m_current = key;
        m_currentMissed = false;
    }
    const Question question = m_triedQuestions.questionOf(attempt);
    const QDate day = m_days.dayOf(attempt.time);
    switch (attempt.verdict) {
    case Verdict::Right:
    case Verdict::Variant:
        // With the help read first, a right answer shows what the help said.
        if (!m_currentMissed && !attempt.helpUsed) {
            for (const QString &skill : Skills::exercisedBy(question))
                strengthen(skill, day);
        }
        break;
    case Verdict::Wrong:
        if (const QString skill = blamedSkill(attempt, question); !skill.isEmpty())
            weaken(skill, day);
        m_currentMissed = true;
        break;
    case Verdict::GaveUp:
        m_currentMissed = true;
        break;
    }
}

double PracticeModel::strength(const QString &skill, QDate day) const {
    const auto state = m_skills.constFind(skill);
    if (state == m_skills.cend())
        return StartingStrength;
    return fadedStrength(state->strength, state->halfLifeDays, state->day, day);
}

bool PracticeModel::isMastered(const QString &skill, QDate day) const {
    return strength(skill, day) >= MasteredStrength;
}

double PracticeModel::need(const QStringList &skills, QDate day) const {
    double need = 0;
    for (const QString &skill : skills) {
        const double known = strength(skill, day);
        if (known < MasteredStrength)
            need += 1 - known;
    }
    return need;
}

PracticeModel::SkillState &PracticeModel::stateOn(const QString &skill, QDate day) {
    auto state = m_skills.find(skill);
    if (state == m_skills.end())
        state = m_skills.insert(skill, {StartingStrength, day, FirstHalfLifeDays});
    if (state->day < day) {
        state->fadedWhileMastered =
            state->fadedWhileMastered || state->strength >= MasteredStrength;
        state->strength = fadedStrength(state->strength, state->halfLifeDays, state->day, day);
        state->day = day;
    }
    return *state;
}

void PracticeModel::strengthen(const QString &skill, QDate day) {
    SkillState &state = stateOn(skill, day);
    state.strength += LearningRate * (1 - state.strength);
    // Mastered again after a gap: the skill is kept longer from now on.
    if (state.fadedWhileMastered && state.strength >= MasteredStrength) {
        state.halfLifeDays *= 2;
        state.fadedWhileMastered = false;
    }
}

void PracticeModel::weaken(const QString &skill, QDate day) {
    stateOn(skill, day).strength *= 1 - LearningRate;
}
