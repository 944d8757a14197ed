#pragma once

#include <QColor>
#include <QString>

class QLabel;

enum class LabelBorder { None, Single };

// Fills the label with its own background and text colours. A single border is drawn as
// a sunken edge of one line, the way the older desktops drew a bordered label.
void colourLabel(QLabel &label, const QColor &background, const QColor &text, LabelBorder border);

// A group box coloured up to its outer edge, its caption breaking the border line at the top
// left on the frame's own colour: the colour-coded frames of the windows.
QString colouredFrameStyleSheet(const QColor &frame, const QColor &title);
