#include "windowdriver.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

QWidget *topLevelWindow(const QString &name) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
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

bool waitUntilActive(QWidget *window) {
    return window && QTest::qWaitFor([window] {
               const QWidget *focus = QApplication::focusWidget();
               return window->isActiveWindow() && focus && focus->window() == window;
           });
}

QString loweredText(const QTextEdit &box) {
    QString marked;
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it) {
        const bool lowered = it.fragment().charFormat().baselineOffset() < 0;
        for (const QChar c : it.fragment().text())
            marked += lowered ? QStringLiteral("_") + c : QString(c);
    }
    return marked;
}

void whenWaiting(std::function<void()> action) {
    QTimer::singleShot(0, qApp, std::move(action));
}

void inModalWindow(std::function<void()> action) {
    whenWaiting([action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (waitUntilActive(modal))
            action();
        else
            qWarning("no modal window became active");
    });
}

namespace {

// Keys without a focused control go to the active window, as the window system sends them.
QWidget *keyTarget() {
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        qFatal("no window takes keys");
    return target;
}

} // namespace

void typeKeys(const QString &text) {
    QTest::keyClicks(keyTarget(), text);
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(keyTarget(), key, modifiers);
}

QString focusedControl() {
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}
