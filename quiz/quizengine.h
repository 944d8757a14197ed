#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/quizsettings.h"
#include "catalogue/randomsource.h"
#include "quiz/questiondraw.h"
#include "quiz/quizports.h"
#include "quiz/quizstate.h"

#include <optional>

// The outside world as the engine needs it; the question window provides all of it.
struct QuizPorts {
    QuestionView &view;
    Pause &pause;
    NoticeWaiter &noticeWaiter;
    TextPrompt &textPrompt;
    ReportPrinter &printer;
    const DateSource &dateSource;
    MessageSink &messages;
    RandomSource &random;
    HelpViewer &help;
    // Practice of weak spots; without one, the plain draw.
    QuestionChooser *chooser = nullptr;
};

// The running quiz of the question window: poses questions in series of 20, judges the
// answers, keeps the score and offers the printed report at the end of every series.
// The window's handlers call one operation each.
class QuizEngine {
public:
    QuizEngine(const IonCatalogue &catalogue, const QuizSettings &settings, const QuizPorts &ports);

    // The window's load: reseeds the random values, empties both boxes and the score
    // labels, and starts from question 0.
    void start();
    // The window became active: poses a question when the question box is empty, unless
    // the settings that last could not give one are still unchanged.
    void activate();
    // Counts and poses the next question, or explains why there is none.
    void NextQuestion();
    // "Check Answer" and Enter.
    void CheckAnswer();
    // "I give up": the answer is revealed and, after the click, the next question posed.
    void giveUp();
    // F1 to F3 (1 to 3) in the answer box open their help topic; after F3 the report marks
    // the question "*help needed*".
    void helpKeyPressed(int functionKey);

    const QuizState &state() const { return m_state; }

private:
    bool hasQuestion() const;
    void PoseQuestion();
    // With the spelling the course uses, when the answer spelt the name otherwise.
    void AnswerCorrect(const QString &spelling);
    // With what the answer got wrong, when the rules can tell. Both return false when the
    // window closed during the wait for the click.
    bool AnswerIncorrect(const QString &explanation);
    bool RevealAnswer();
    bool showNoticeUntilClicked(NoticeKind kind, const QString &text);
    void endSeries();
    void refuseQuestion(const QString &reason);

    const IonCatalogue &m_catalogue;
    const QuizSettings &m_settings;
    QuizPorts m_ports;
    QuestionDraw m_draw;
    QuizState m_state;
    QString m_help3; // the help for the latest ionic question, empty before the first
    std::optional<QuizSettings> m_refusedSettings;
};
