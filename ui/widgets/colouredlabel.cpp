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

QString colouredFrameStyleSheet(const QColor &frame, const QColor &title) {
    return QStringLiteral("QGroupBox { background-color: %1; background-clip: margin;"
                          " border: 1px solid palette(mid); margin-top: 7px; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                          " padding: 0 2px; color: %2; }")
        .arg(frame.name(), title.name());
}
