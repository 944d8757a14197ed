#include "pictures.h"

#include <QImage>
#include <QTest>

#include <functional>

using PictureAtSize = std::function<QPixmap(int)>;
Q_DECLARE_METATYPE(PictureAtSize)

namespace {

QPixmap programIconAt(int size) {
    return Pictures::programIcon().pixmap(size, size);
}

QPixmap helpWindowIconAt(int size) {
    return Pictures::helpWindowIcon().pixmap(size, size);
}

// The pictures are drawn on a 32-unit grid; this finds a grid point at any size.
QColor colourAt(const QPixmap &pixmap, QPointF onGrid) {
    const QImage image = pixmap.toImage();
    return image.pixelColor((onGrid * image.width() / 32.0).toPoint());
}

int hueDistance(int a, int b) {
    const int apart = qAbs(a - b);
    return qMin(apart, 360 - apart);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesShowTheirSubjectAtEverySize_data() {
        QTest::addColumn<PictureAtSize>("picture");
        QTest::addColumn<int>("size");
        QTest::addColumn<QPointF>("subjectPoint");
        QTest::addColumn<int>("subjectHue");

        for (const int size : {16, 32, 64}) {
            QTest::addRow("program icon, alkali metal tile, %d px", size)
                << PictureAtSize(programIconAt) << size << QPointF(4, 10) << 120;
            QTest::addRow("program icon, transition metal tile, %d px", size)
                << PictureAtSize(programIconAt) << size << QPointF(16, 28) << 52;
            QTest::addRow("help window icon, blue block, %d px", size)
                << PictureAtSize(helpWindowIconAt) << size << QPointF(13, 9) << 223;
            QTest::addRow("help window icon, green arrow, %d px", size)
                << PictureAtSize(helpWindowIconAt) << size << QPointF(4, 16) << 120;
            QTest::addRow("help panel picture, yellow bulb, %d px", size)
                << PictureAtSize(Pictures::helpPanelPicture) << size << QPointF(12, 9) << 52;
            QTest::addRow("help panel picture, cyan diamond, %d px", size)
                << PictureAtSize(Pictures::helpPanelPicture) << size << QPointF(26, 16) << 186;
        }
    }
    void picturesShowTheirSubjectAtEverySize() {
        QFETCH(PictureAtSize, picture);
        QFETCH(int, size);
        QFETCH(QPointF, subjectPoint);
        QFETCH(int, subjectHue);
        const QPixmap pixmap = picture(size);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(size, size));
        const QColor subject = colourAt(pixmap, subjectPoint);
        QCOMPARE(subject.alpha(), 255);
        QVERIFY2(hueDistance(subject.hsvHue(), subjectHue) <= 25, qPrintable(subject.name()));
    }

    void helpPicturesLeaveTheirCornersClear() {
        for (const QPixmap &pixmap : {helpWindowIconAt(32), Pictures::helpPanelPicture(32)}) {
            QCOMPARE(colourAt(pixmap, QPointF(1, 1)).alpha(), 0);
            QCOMPARE(colourAt(pixmap, QPointF(30, 30)).alpha(), 0);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
