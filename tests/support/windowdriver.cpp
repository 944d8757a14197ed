#include "tests/support/windowdriver.h"

#include "ui/windows/frmmain.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

QWidget *topLevelWindow(const QString &name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [&](QWidget *w) { return w->objectName() == name; });
    return found == windows.end() ? nullptr : *found;
}

QStringList visibleWindows() {
    QStringList visible;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible << window->objectName();
    }
    visible.sort();
    return visible;
}

QString shownText(const QString &window, const QString &name) {
    const QWidget *widget = control(window, name);
    return widget->property(qobject_cast<const QTextEdit *>(widget) ? "plainText" : "text")
        .toString();
}

void click(const QString &window, const QString &name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// Keys without a focused control go to the active window, as the window system sends them.
static QWidget *keyTarget() {
    QWidget *target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (!target)
        qFatal("no window takes keys");
    return target;
}

void typeKeys(const QString &text) {
    for (const QChar c : text) // each key to where the one before left the focus
        QTest::keyClick(keyTarget(), c.toLatin1());
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(keyTarget(), key, modifiers);
}

QString focusedControl() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

bool waitUntilActive(QWidget *window) {
    return window && QTest::qWaitFor([window] {
               const QWidget *focus = QApplication::focusWidget();
               return window->isActiveWindow() && focus && focus->window() == window;
           });
}

void whenWaiting(QWidget *window, std::function<void()> action) {
    QTimer::singleShot(0, window, std::move(action));
}

void inModalWindow(std::function<void()> action) {
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        if (waitUntilActive(QApplication::activeModalWidget()))
            action();
        else
            qWarning("no modal window became active");
    });
}

QString loweredText(const QTextEdit &box) {
    QString marked;
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it) {
        for (const QChar c : it.fragment().text())
            marked += (it.fragment().charFormat().baselineOffset() < 0 ? "_" : "") + QString(c);
    }
    return marked;
}

const QuizState &quizState() {
    return qobject_cast<frmMain *>(topLevelWindow("frmMain"))->quiz().state();
}

QString expectedAnswer() {
    return quizState().question.askName ? quizState().question.compoundName
                                        : quizState().question.formula;
}
