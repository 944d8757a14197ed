#include "ui/widgets/wrappingbutton.h"

#include <QStringList>
#include <QTextLayout>

QString wrapToWidth(const QString &text, const QFont &font, int width) {
    QTextLayout layout(text, font);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}
