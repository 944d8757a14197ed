#include "elementcolours.h"
#include "elements.h"
#include "frmpt.h"
#include "periodictableview.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(ElementFamily)

namespace {

// A point inside the cell's face, clear of its border and its texts.
QPoint insideCell(const QRectF &cell) {
    return (cell.bottomLeft() + QPointF(cell.width() * 0.12, -cell.height() * 0.08)).toPoint();
}

QImage render(QWidget &widget) {
    return widget.grab().toImage();
}

} // namespace

class PeriodicTableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsCaptionIconAndFixedClientArea() {
        frmPT window;
        QCOMPARE(window.objectName(), "frmPT");
        QVERIFY(window.isWindow());
        QCOMPARE(window.windowTitle(), "Ionarch: - Periodic Table");
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.size(), QSize(608, 375));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.pos(), QPoint(397, 30));
    }

    void windowStaysTopLevelWhenGivenAParent() {
        QWidget owner;
        auto *window = new frmPT(&owner);
        QVERIFY(window->isWindow());
    }

    void labelsShowTheirTextsInBlueOverTheTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addRow("credit") << "lblCredit"
                                << "Periodic table from:";
        QTest::addRow("source") << "lblSource"
                                << "www.iupac.org";
    }
    void labelsShowTheirTextsInBlueOverTheTable() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        frmPT window;
        const auto *label = window.findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->font().pointSize(), 12);
        QVERIFY(!label->autoFillBackground());
    }

    void labelTextsAreNotClipped() {
        frmPT window;
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QSize needed = label->fontMetrics().size(Qt::TextSingleLine, label->text());
            QVERIFY2(label->contentsRect().width() >= needed.width(), qPrintable(label->text()));
            QVERIFY2(label->contentsRect().height() >= needed.height(), qPrintable(label->text()));
            QVERIFY(window.rect().contains(label->geometry()));
        }
    }

    void labelsCoverNoElementCell() {
        frmPT window;
        const auto *table = window.findChild<PeriodicTableView *>();
        QVERIFY(table);
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            for (const Element &element : Elements::all()) {
                QVERIFY2(!table->cellRect(element.number).intersects(label->geometry()),
                         qPrintable(label->objectName() + " over " + element.symbol));
            }
        }
    }

    void tableIsNamedForAssistiveTools() {
        frmPT window;
        const auto *table = window.findChild<PeriodicTableView *>();
        QVERIFY(table);
        QCOMPARE(table->accessibleName(), "Periodic table");
        QCOMPARE(table->geometry(), window.rect());
    }

    void cellsShowTheirFamilyColour_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<ElementFamily>("family");
        QTest::addRow("hydrogen") << 1 << ElementFamily::Hydrogen;
        QTest::addRow("neon") << 10 << ElementFamily::NobleGas;
        QTest::addRow("sodium") << 11 << ElementFamily::AlkaliMetal;
        QTest::addRow("magnesium") << 12 << ElementFamily::AlkalineEarthMetal;
        QTest::addRow("chlorine") << 17 << ElementFamily::Halogen;
        QTest::addRow("iron") << 26 << ElementFamily::TransitionMetal;
        QTest::addRow("arsenic") << 33 << ElementFamily::NonMetal;
        QTest::addRow("lead") << 82 << ElementFamily::OtherMetal;
        QTest::addRow("cerium") << 58 << ElementFamily::Lanthanide;
        QTest::addRow("uranium") << 92 << ElementFamily::Actinide;
        QTest::addRow("ununbium") << 112 << ElementFamily::Transactinide;
    }
    void cellsShowTheirFamilyColour() {
        QFETCH(int, number);
        QFETCH(ElementFamily, family);
        frmPT window;
        const auto *table = window.findChild<PeriodicTableView *>();
        QVERIFY(table);
        const QImage image = render(window);
        QCOMPARE(image.pixelColor(insideCell(table->cellRect(number))),
                 ElementColours::family(family));
    }

    void familyColoursLookLikeTheirNames_data() {
        QTest::addColumn<ElementFamily>("family");
        QTest::addColumn<QColor>("named");
        QTest::addRow("hydrogen teal") << ElementFamily::Hydrogen << QColor(0, 128, 128);
        QTest::addRow("alkali metals green") << ElementFamily::AlkaliMetal << QColor(Qt::green);
        QTest::addRow("alkaline-earth metals cyan")
            << ElementFamily::AlkalineEarthMetal << QColor(Qt::cyan);
        QTest::addRow("transition metals yellow")
            << ElementFamily::TransitionMetal << QColor(Qt::yellow);
        QTest::addRow("transactinides dark red")
            << ElementFamily::Transactinide << QColor(Qt::darkRed);
        QTest::addRow("other metals olive") << ElementFamily::OtherMetal << QColor(128, 128, 0);
        QTest::addRow("non-metals magenta") << ElementFamily::NonMetal << QColor(Qt::magenta);
        QTest::addRow("halogens red") << ElementFamily::Halogen << QColor(Qt::red);
        QTest::addRow("noble gases grey") << ElementFamily::NobleGas << QColor(Qt::gray);
        QTest::addRow("lanthanides teal") << ElementFamily::Lanthanide << QColor(0, 128, 128);
        QTest::addRow("actinides purple") << ElementFamily::Actinide << QColor(128, 0, 128);
    }
    void familyColoursLookLikeTheirNames() {
        QFETCH(ElementFamily, family);
        QFETCH(QColor, named);
        const QColor shown = ElementColours::family(family);
        if (named.hsvSaturation() < 20) {
            QVERIFY(shown.hsvSaturation() < 20);
        } else {
            const int hueApart = qAbs(shown.hsvHue() - named.hsvHue());
            QVERIFY2(qMin(hueApart, 360 - hueApart) <= 20, qPrintable(shown.name()));
            QVERIFY2(shown.hsvSaturation() >= 120, qPrintable(shown.name()));
        }
        // Light and dark shades of one hue (red and dark red, cyan and teal) stay apart.
        QVERIFY2(qAbs(shown.value() - named.value()) <= 80, qPrintable(shown.name()));
    }

    void emptyTopMiddleShowsTheGround() {
        frmPT window;
        const QImage image = render(window);
        QCOMPARE(image.pixelColor(120, 70), ElementColours::ground());
        QCOMPARE(image.pixelColor(380, 90), ElementColours::ground());
    }

    void tableScalesToItsWidget_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("natural size") << QSize(608, 375);
        QTest::addRow("doubled") << QSize(1216, 750);
        QTest::addRow("wider than the table") << QSize(900, 375);
        QTest::addRow("taller than the table") << QSize(608, 600);
    }
    void tableScalesToItsWidget() {
        QFETCH(QSize, size);
        PeriodicTableView table;
        table.resize(size);
        const QImage image = render(table);
        QVERIFY(QRectF(image.rect()).contains(table.cellRect(112)));
        QVERIFY(QRectF(image.rect()).contains(table.cellRect(1)));
        QCOMPARE(image.pixelColor(insideCell(table.cellRect(11))),
                 ElementColours::family(ElementFamily::AlkaliMetal));
        QCOMPARE(image.pixelColor(insideCell(table.cellRect(2))),
                 ElementColours::family(ElementFamily::NobleGas));
        QCOMPARE(image.pixelColor(0, 0), ElementColours::ground());
    }
};

QTEST_MAIN(PeriodicTableWindowTest)
#include "periodictable_window_test.moc"
