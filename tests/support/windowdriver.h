#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTextEdit;

// The one way the GUI tests find and drive the program's windows: by object name, as a
// student would by sight, and with keys that go where the keyboard focus is.

QWidget *topLevelWindow(const QString &name);
// The object names of the windows on screen, sorted.
QStringList visibleWindows();

template <class Control = QWidget> Control *control(const QString &window, const QString &name) {
    QWidget *top = topLevelWindow(window);
    return top ? top->findChild<Control *>(name) : nullptr;
}

// Waits until the window is active and has the keyboard focus; the toolkit's own wait ends
// when the platform window is active, a step before the keyboard follows.
bool waitUntilActive(QWidget *window);

// The box's text in the notation of lowered(): "Al_2O_3".
QString loweredText(const QTextEdit &box);

// Runs the action as soon as the event loop turns again: inside the modal loop or the wait
// for a click that the test's next step starts.
void whenWaiting(std::function<void()> action);
// The same once the modal window that the next step opens (the help, a message box) has
// become active, as a window manager would make it; no action when none opens.
void inModalWindow(std::function<void()> action);

// Keys to the widget that has the keyboard focus.
void typeKeys(const QString &text);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QString focusedControl();
