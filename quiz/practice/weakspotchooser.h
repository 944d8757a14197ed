#pragma once

#include "catalogue/randomsource.h"
#include "quiz/practice/practicemodel.h"
#include "quiz/questiondraw.h"
#include "quiz/quizports.h"

#include <QDate>
#include <QStringList>

#include <functional>
#include <optional>

// "Practise my weak spots": while it is on, most questions are the one with the most to teach
// among several drawn as usual, so that the settings still decide which questions may come;
// the rest are drawn as usual, to keep practice mixed. No question of the last few is asked
// again. Off, every question is the plain draw.
class WeakSpotChooser final : public QuestionChooser {
public:
    // The random values are the draw's own; today gives the day the model is read for.
    WeakSpotChooser(const PracticeModel &model, RandomSource &random,
                    std::function<QDate()> today = &QDate::currentDate);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    std::optional<DrawnQuestion> nextQuestion(QuestionDraw &draw) override;

private:
    std::optional<DrawnQuestion> drawForPractice(QuestionDraw &draw);
    bool askedLately(const Question &question) const;

    const PracticeModel &m_model;
    RandomSource &m_random;
    std::function<QDate()> m_today;
    bool m_enabled = false;
    QStringList m_lastAsked; // formulas, latest last
};
