#include "pictures.h"

#include <QImage>
#include <QTest>

#include <functional>

using PictureAtSize = std::function<QPixmap(int)>;
Q_DECLARE_METATYPE(PictureAtSize)

namespace {

// The pictures are drawn on a 32-unit grid; this finds a grid point at any size.
QColor colourAt(const QPixmap &pixmap, QPointF onGrid) {
    const QImage image = pixmap.toImage();
    return image.pixelColor((onGrid * image.width() / 32.0).toPoint());
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesShowTheirSubjectAtEverySize_data() {
        QTest::addColumn<PictureAtSize>("picture");
        QTest::addColumn<QPointF>("subjectPoint");
        QTest::addColumn<int>("subjectHue");
        const PictureAtSize programIcon = [](int size) {
            return Pictures::programIcon().pixmap(size, size);
        };
        const PictureAtSize helpWindowIcon = [](int size) {
            return Pictures::helpWindowIcon().pixmap(size, size);
        };
        QTest::addRow("program icon, alkali metal tile") << programIcon << QPointF(4, 10) << 120;
        QTest::addRow("help window icon, blue block") << helpWindowIcon << QPointF(13, 9) << 223;
        QTest::addRow("help panel picture, yellow bulb")
            << PictureAtSize(Pictures::helpPanelPicture) << QPointF(12, 9) << 52;
    }
    void picturesShowTheirSubjectAtEverySize() {
        QFETCH(PictureAtSize, picture);
        QFETCH(QPointF, subjectPoint);
        QFETCH(int, subjectHue);
        for (const int size : {16, 64}) {
            const QPixmap pixmap = picture(size);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(size, size));
            const QColor subject = colourAt(pixmap, subjectPoint);
            QCOMPARE(subject.alpha(), 255);
            const int hueApart = qAbs(subject.hsvHue() - subjectHue);
            QVERIFY2(qMin(hueApart, 360 - hueApart) <= 25, qPrintable(subject.name()));
        }
    }

    void helpPicturesLeaveTheirCornersClear() {
        for (const QPixmap &pixmap :
             {Pictures::helpWindowIcon().pixmap(32, 32), Pictures::helpPanelPicture(32)}) {
            QCOMPARE(colourAt(pixmap, QPointF(1, 1)).alpha(), 0);
            QCOMPARE(colourAt(pixmap, QPointF(30, 30)).alpha(), 0);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
