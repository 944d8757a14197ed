#pragma once

#include <QApplication>
#include <QWidget>

// The program's window of that object name, or null when it has none.
inline QWidget *topLevelWindow(const char *name) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}
