#pragma once

#include <functional>

class QWidget;

// Runs the action once the widget has painted for the first time, as soon as the event loop
// turns again: for work that the first sight of a window must not wait for, nor share memory
// with.
void afterFirstPaint(QWidget &widget, std::function<void()> action);
