#include "ui/widgets/colouredlabel.h"

#include <QLabel>

void colourLabel(QLabel &label, const QColor &background, const QColor &text, LabelBorder border) {
    QPalette colours = label.palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    label.setPalette(colours);
    label.setAutoFillBackground(true);
    if (border == LabelBorder::Single) {
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label.setLineWidth(1);
    } else {
        label.setFrameStyle(QFrame::NoFrame);
    }
}
