#include "ui/printing/textwrap.h"

#include <QTextLayout>

QStringList wrapText(const QString &text, const QFont &font, QPaintDevice *device,
                     qreal lineWidth) {
    if (text.isEmpty())
        return {QString()};
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}
