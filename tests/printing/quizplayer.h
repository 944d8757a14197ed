#pragma once

#include "quizports.h"

#include <QList>
#include <QString>
#include <QStringList>

class frmMain;
struct QuizState;

// The name prompt answered by a student who types `name`; it keeps the prompts it was shown.
struct NamePrompt final : TextPrompt {
    explicit NamePrompt(const QString &typed)
        : name(typed) {}
    QString askText(const QString &prompt, const QString &) override {
        prompts << prompt;
        return name;
    }

    QString name;
    QStringList prompts;
};

// One question as it was played.
struct PlayedQuestion {
    QString shown; // what the question box showed
    bool correct = false;
    bool helped = false; // F3 was pressed while it stood
};

// A student at the running program: presses Start in the options window and plays questions
// in the question window with key presses and mouse clicks, clicking each notice that waits and
// closing the help window that F3 opens.
class QuizPlayer {
public:
    // False when no question window opened and became active.
    bool start();
    // One question for each letter: R answered right, W wrong first and then right, H right
    // after F3, G given up, F given up after F3. A series may end on any of them.
    void play(const QString &steps);

    const QuizState &state() const;
    QString questionText() const;

    QList<PlayedQuestion> played;

private:
    void answer(const QString &typed);
    void askForHelp();
    void giveUp();
    // Clicks the notice from inside the wait that the next action starts.
    void clickNoticeWhenItWaits();

    frmMain *m_window = nullptr;
};
