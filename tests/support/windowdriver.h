#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTextEdit;
struct QuizState;

// The one way the GUI tests find and drive the program's windows: by object name, as a
// student would by sight, with clicks and with keys that go where the keyboard focus is.

QWidget *topLevelWindow(const QString &name);
QStringList visibleWindows(); // their object names, sorted

template <class Control = QWidget> Control *control(const QString &window, const QString &name) {
    QWidget *top = topLevelWindow(window);
    return top ? top->findChild<Control *>(name) : nullptr;
}
// What a label or a text box of the window shows.
QString shownText(const QString &window, const QString &name);
void click(const QString &window, const QString &name);

// Keys to the control with the keyboard focus; "\r" in the text is Enter, "\t" Tab.
void typeKeys(const QString &text);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QString focusedControl();

// Waits until the window is active and has the keyboard focus; the toolkit's own wait ends
// when the platform window is active, a step before the keyboard follows.
bool waitUntilActive(QWidget *window);

// Shows the window and waits until it is active; a window that never becomes so stops the test.
template <class Window> Window &onScreen(Window &window) {
    window.show();
    window.activateWindow();
    if (!waitUntilActive(&window))
        qFatal("the window did not become active");
    return window;
}

// Runs the action as soon as the event loop turns again: inside the modal loop or the wait
// for a click that the test's next step starts. Dropped with the window if no wait came, so
// that a fault which skips the wait fails its own test instead of a later one.
void whenWaiting(QWidget *window, std::function<void()> action);
// The same once the modal window that the next step opens (the help, a message box) has
// become active, as a window manager would make it; no action when none opens.
void inModalWindow(std::function<void()> action);

// The box's text in the notation of lowered(): "Al_2O_3".
QString loweredText(const QTextEdit &box);

// The quiz of the question window on screen, and the answer it expects.
const QuizState &quizState();
QString expectedAnswer();
