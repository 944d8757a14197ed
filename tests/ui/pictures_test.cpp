#include "pictures.h"

#include <QImage>
#include <QTest>

namespace {

QPixmap picture(const QString &name, int size) {
    if (name == "program icon")
        return Pictures::programIcon().pixmap(size, size);
    if (name == "help window icon")
        return Pictures::helpWindowIcon().pixmap(size, size);
    return Pictures::helpPanelPicture(size);
}

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
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPointF>("subjectPoint");
        QTest::addColumn<int>("subjectHue");
        QTest::addRow("alkali metal tile") << "program icon" << QPointF(4, 10) << 120;
        QTest::addRow("blue block") << "help window icon" << QPointF(13, 9) << 223;
        QTest::addRow("yellow bulb") << "help panel picture" << QPointF(12, 9) << 52;
    }
    void picturesShowTheirSubjectAtEverySize() {
        QFETCH(QString, name);
        QFETCH(QPointF, subjectPoint);
        QFETCH(int, subjectHue);
        for (const int size : {16, 64}) {
            const QPixmap pixmap = picture(name, size);
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(size, size));
            const QColor subject = colourAt(pixmap, subjectPoint);
            QCOMPARE(subject.alpha(), 255);
            const int hueApart = qAbs(subject.hsvHue() - subjectHue);
            QVERIFY2(qMin(hueApart, 360 - hueApart) <= 25, qPrintable(subject.name()));
        }
    }

    void helpPicturesLeaveTheirCornersClear() {
        for (const char *name : {"help window icon", "help panel picture"}) {
            QCOMPARE(colourAt(picture(name, 32), QPointF(1, 1)).alpha(), 0);
            QCOMPARE(colourAt(picture(name, 32), QPointF(30, 30)).alpha(), 0);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
