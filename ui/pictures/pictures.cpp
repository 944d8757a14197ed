#include "ui/pictures/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/pictures/program.svg"));
}

QIcon helpWindowIcon() {
    return QIcon(QStringLiteral(":/pictures/helpwindow.svg"));
}

QPixmap helpPanelPicture(int size) {
    // Rendered at the screen's pixel density, so the picture keeps its logical size but stays
    // sharp.
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/pictures/helppanel.svg"))
        .render(&painter, QRectF(0, 0, size, size));
    return picture;
}

} // namespace Pictures
