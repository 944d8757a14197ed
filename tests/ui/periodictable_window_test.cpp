#include "elementcolours.h"
#include "elements.h"
#include "frmpt.h"
#include "periodictableview.h"

#include <QLabel>
#include <QTest>

namespace {

// A point inside the cell's face, clear of its border and its texts.
QPoint insideCell(const QRectF &cell) {
    return (cell.bottomLeft() + QPointF(cell.width() * 0.12, -cell.height() * 0.08)).toPoint();
}

// Whether anything but the fill shows in the right half of the cell's number strip, where
// a multivalent metal's charges stand.
bool hasChargeLabel(const QImage &image, const QRectF &cell) {
    const QColor fill = image.pixelColor(insideCell(cell));
    for (int x = int(cell.center().x()) + 3; x < int(cell.right()) - 2; ++x) {
        for (int y = int(cell.top()) + 2; y < int(cell.top()) + 10; ++y) {
            if (image.pixelColor(x, y) != fill)
                return true;
        }
    }
    return false;
}

} // namespace

class PeriodicTableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowStaysTopLevelAtAFixedSize() {
        QWidget owner;
        auto *window = new frmPT(&owner);
        QVERIFY(window->isWindow());
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    void labelsAreNeitherClippedNorOverACell() {
        frmPT window;
        const auto *table = window.findChild<PeriodicTableView *>();
        QVERIFY(table);
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, label->text());
            QVERIFY2(label->contentsRect().width() >= needed.width() &&
                         label->contentsRect().height() >= needed.height() &&
                         window.rect().contains(label->geometry()),
                     qPrintable(label->text()));
            for (const Element &element : Elements::all()) {
                QVERIFY2(!table->cellRect(element.number).intersects(label->geometry()),
                         qPrintable(label->objectName() + " over " + element.symbol));
            }
        }
    }

    // Light and dark shades of one hue (cyan and teal) stay apart.
    void cellsShowTheirFamilyColourAndCharges_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("named");
        QTest::addColumn<bool>("charged");
        const auto row = [](const char *symbol, int number, QColor named, bool charged) {
            QTest::addRow("%s", symbol) << number << named << charged;
        };
        row("H, teal", 1, QColor(0, 128, 128), false);
        row("Mg, cyan", 12, Qt::cyan, false);
        row("Fe, yellow", 26, Qt::yellow, true);
        row("Zn, yellow", 30, Qt::yellow, false);
        row("As, magenta", 33, Qt::magenta, false);
        row("Pb, olive", 82, QColor(128, 128, 0), true);
        row("U, purple", 92, QColor(128, 0, 128), false);
        row("Uub, dark red", 112, Qt::darkRed, false);
    }
    void cellsShowTheirFamilyColourAndCharges() {
        QFETCH(int, number);
        QFETCH(QColor, named);
        frmPT window;
        const QRectF cell = window.findChild<PeriodicTableView *>()->cellRect(number);
        const QImage image = window.grab().toImage();
        const QColor shown = image.pixelColor(insideCell(cell));
        const int hueApart = qAbs(shown.hsvHue() - named.hsvHue());
        QVERIFY2(qMin(hueApart, 360 - hueApart) <= 20 && shown.hsvSaturation() >= 120,
                 qPrintable(shown.name()));
        QVERIFY2(qAbs(shown.value() - named.value()) <= 80, qPrintable(shown.name()));
        QTEST(hasChargeLabel(image, cell), "charged");
    }

    void tableScalesToItsWidget_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("wider than the table") << QSize(900, 375);
        QTest::addRow("taller than the table") << QSize(608, 600);
    }
    void tableScalesToItsWidget() {
        QFETCH(QSize, size);
        PeriodicTableView table;
        table.resize(size);
        const QImage image = table.grab().toImage();
        QVERIFY(QRectF(image.rect()).contains(table.cellRect(1).united(table.cellRect(112))));
        QCOMPARE(image.pixelColor(insideCell(table.cellRect(11))),
                 ElementColours::family(ElementFamily::AlkaliMetal));
        QCOMPARE(image.pixelColor(0, 0), ElementColours::ground());
    }
};

QTEST_MAIN(PeriodicTableWindowTest)
#include "periodictable_window_test.moc"
