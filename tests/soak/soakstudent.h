#pragma once

#include <QString>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QWidget;
class frmMain;
struct QuizState;

// A student at the running program who acts through its windows with keys, clicks and the
// menu. Keys go where the keyboard focus is, as they would on a real keyboard. While an action
// runs, an attendant clicks every notice that waits for a click and closes every help window that
// opens, and counts both, so that a wrong verdict shows up as a count that differs rather than as a
// hang.
class SoakStudent {
public:
    SoakStudent();

    // Presses Start in the options window; false when no question window became active.
    bool start();

    // Types the text into the answer box and checks it with Enter or with the button.
    void answer(const QString &typed, bool withButton);
    // Empties the answer box, as after a wrong answer.
    void clearAnswer();
    void giveUp();
    void pressFunctionKey(int number);
    void chooseAbout();
    // Clicks a control of the options window and comes back to the question window.
    void clickOption(const QString &name);

    QAbstractButton &option(const QString &name) const;
    const QuizState &state() const;
    QString questionText() const;
    QString labelText(const char *name) const;
    bool answerInputsEnabled() const;
    QString keyboardFocus() const;

    int noticesClicked = 0;
    int helpWindowsClosed = 0;

private:
    void attended(const std::function<void()> &action);
    void attend();
    void waitForQuestionWindow();
    bool activate(QWidget &window);
    QWidget *focused() const;

    QWidget *m_options = nullptr;
    frmMain *m_questions = nullptr;
    QTimer m_attendant;
};
