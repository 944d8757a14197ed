#include "elements.h"

#include <QSet>
#include <QTest>

class PeriodicTableElementsTest : public QObject {
    Q_OBJECT

private slots:
    void elementsOneToOneHundredTwelveEachHaveACellOfTheirOwn() {
        QCOMPARE(qsizetype(Elements::all().size()), 112);
        QSet<QString> symbols;
        QSet<QPair<int, int>> cells;
        for (const Element &element : Elements::all()) {
            QCOMPARE(&Elements::byNumber(element.number), &element);
            symbols.insert(element.symbol);
            const Elements::GridCell cell = Elements::gridCell(element);
            QVERIFY2(cell.column >= 0 && cell.column < Elements::GridColumns && cell.row >= 0 &&
                         cell.row <= Elements::ActinideRow,
                     element.symbol.data());
            cells.insert({cell.column, cell.row});
        }
        QCOMPARE(symbols.size(), 112);
        QCOMPARE(cells.size(), 112);
    }

    void elementsSitInTheirGroupAndPeriod_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        const auto row = [](const char *symbol, int number, int column, int row) {
            QTest::addRow("%s", symbol) << number << column << row;
        };
        row("H", 1, 0, 0);
        row("He", 2, 17, 0);
        row("Fe", 26, 7, 3);
        row("Hf", 72, 3, 5); // after the lanthanides, in group 4
        row("La", 57, 3, 7);
        row("Lr", 103, 17, 8);
        row("Uub", 112, 11, 6);
    }
    void elementsSitInTheirGroupAndPeriod() {
        QFETCH(int, number);
        QFETCH(int, column);
        QFETCH(int, row);
        const Element &element = Elements::byNumber(number);
        QCOMPARE(QString(element.symbol), QTest::currentDataTag());
        QCOMPARE(Elements::gridCell(element), (Elements::GridCell{column, row}));
    }
};

QTEST_APPLESS_MAIN(PeriodicTableElementsTest)
#include "periodictable_elements_test.moc"
