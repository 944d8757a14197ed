#include "ui/periodictable/periodictableview.h"

#include "catalogue/elements.h"
#include "ui/periodictable/elementcolours.h"
#include "ui/periodictable/periodictablelayout.h"
#include "ui/periodictable/tablepainter.h"

#include <QPainter>

#include <algorithm>

PeriodicTableView::PeriodicTableView(QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(tr("Periodic table"));
}

QSize PeriodicTableView::sizeHint() const {
    return PeriodicTableLayout::DesignSize.toSize();
}

QRectF PeriodicTableView::cellRect(int atomicNumber) const {
    const Element &element = Elements::byNumber(atomicNumber);
    return designToWidget().mapRect(PeriodicTableLayout::cellFace(Elements::gridCell(element)));
}

void PeriodicTableView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ElementColours::ground());
    painter.setTransform(designToWidget());
    TablePainter::paint(painter);
}

QTransform PeriodicTableView::designToWidget() const {
    const QSizeF design = PeriodicTableLayout::DesignSize;
    const qreal scale = std::min(width() / design.width(), height() / design.height());
    const QSizeF shown = design * scale;
    return QTransform::fromTranslate((width() - shown.width()) / 2, (height() - shown.height()) / 2)
        .scale(scale, scale);
}
