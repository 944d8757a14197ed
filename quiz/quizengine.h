#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/quizsettings.h"
#include "catalogue/randomsource.h"
#include "quiz/questiondraw.h"
#include "quiz/quizports.h"
#include "quiz/quizstate.h"

#include <optional>

// What the quiz takes from the program: the data, the options and the outside world, all but
// the question window, which runs the engine and gives it its view and its wait for a click.
struct QuizServices {
    const IonCatalogue &catalogue;
    const QuizSettings &settings;
    RandomSource &random;
    MessageSink &messages;
    TextPrompt &textPrompt;
    ReportPrinter &printer;
    const DateSource &dateSource;
    Pause &pause;
    HelpViewer &help;
    AttemptRecorder &recorder;
    // Practice of weak spots; without one, the plain draw.
    QuestionChooser *chooser = nullptr;
};

// The running quiz of the question window: poses questions in series of 20, judges the
// answers, keeps the score and offers the printed report at the end of every series.
// The window's handlers call one operation each. Every try goes to the recorder as it is made.
class QuizEngine {
public:
    QuizEngine(const QuizServices &services, QuestionView &view, NoticeWaiter &noticeWaiter);

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
    // The try at the question on screen, with the mistake's code for a wrong one.
    void recordTry(Verdict verdict, const QString &typed, QLatin1StringView category = {});
    void endSeries();
    void refuseQuestion(const QString &reason);

    const QuizServices m_services;
    QuestionView &m_view;
    NoticeWaiter &m_noticeWaiter;
    QuestionDraw m_draw;
    QuizState m_state;
    int m_series = 1; // counted in this run
    QString m_help3;  // the help for the latest ionic question, empty before the first
    std::optional<QuizSettings> m_refusedSettings;
};
