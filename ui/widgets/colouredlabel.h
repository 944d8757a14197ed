#pragma once

#include <QColor>

class QLabel;

enum class LabelBorder { None, Single };

// Fills the label with its own background and text colours. A single border is drawn as
// a sunken edge of one line, the way the older desktops drew a bordered label.
void colourLabel(QLabel &label, const QColor &background, const QColor &text, LabelBorder border);
