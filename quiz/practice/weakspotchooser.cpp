#include "quiz/practice/weakspotchooser.h"

#include "quiz/practice/practiceparameters.h"
#include "quiz/practice/skills.h"

#include <cmath>

namespace {

using namespace PracticeParameters;

// Needs are sums of the same strengths in other orders.
bool sameNeed(double a, double b) {
    return std::abs(a - b) < 1e-9;
}

} // namespace

WeakSpotChooser::WeakSpotChooser(const PracticeModel &model, RandomSource &random,
                                 std::function<QDate()> today)
    : m_model(model)
    , m_random(random)
    , m_today(std::move(today)) {}

std::optional<DrawnQuestion> WeakSpotChooser::nextQuestion(QuestionDraw &draw) {
    std::optional<DrawnQuestion> chosen = m_enabled ? drawForPractice(draw) : draw.drawQuestion();
    // Kept while off too, so that turning practice on never brings back the last questions.
    if (chosen) {
        m_lastAsked.append(chosen->question.formula);
        if (m_lastAsked.size() > RecentQuestions)
            m_lastAsked.removeFirst();
    }
    return chosen;
}

std::optional<DrawnQuestion> WeakSpotChooser::drawForPractice(QuestionDraw &draw) {
    const bool plainDraw = m_random.next() < PlainDrawShare;
    const QDate today = m_today();
    std::optional<DrawnQuestion> chosen;
    std::optional<DrawnQuestion> askedBefore; // when the settings allow nothing else
    double chosenNeed = -1;
    int equallyNeeded = 0;
    for (int candidate = 0; candidate < Candidates; ++candidate) {
        std::optional<DrawnQuestion> drawn = draw.drawQuestion();
        if (!drawn)
            break;
        if (askedLately(drawn->question)) {
            if (!askedBefore)
                askedBefore = std::move(drawn);
            continue;
        }
        if (plainDraw)
            return drawn;
        const double need = m_model.need(Skills::exercisedBy(drawn->question), today);
        if (sameNeed(need, chosenNeed)) {
            // Each of the equally needed ones in turn replaces the chosen one with a chance that
            // leaves them all equally likely.
            if (randomRow(m_random, ++equallyNeeded) == 1)
                chosen = std::move(drawn);
        } else if (need > chosenNeed) {
            chosen = std::move(drawn);
            chosenNeed = need;
            equallyNeeded = 1;
        }
    }
    return chosen ? chosen : askedBefore;
}

bool WeakSpotChooser::askedLately(const Question &question) const {
    return m_lastAsked.contains(question.formula);
}
