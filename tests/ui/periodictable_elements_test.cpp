#include "elements.h"

#include <QSet>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(ElementFamily)
Q_DECLARE_METATYPE(ElementState)

namespace {

const Element *findSymbol(const QString &symbol) {
    const auto all = Elements::all();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Element &e) { return e.symbol == symbol; });
    return found == all.end() ? nullptr : &*found;
}

QStringList symbolsWhere(auto predicate) {
    QStringList symbols;
    for (const Element &element : Elements::all()) {
        if (predicate(element))
            symbols << element.symbol;
    }
    return symbols;
}

} // namespace

class PeriodicTableElementsTest : public QObject {
    Q_OBJECT

private slots:
    void tableListsElementsOneToOneHundredTwelveInOrderWithDistinctSymbols() {
        const auto all = Elements::all();
        QCOMPARE(qsizetype(all.size()), 112);
        QSet<QString> symbols;
        for (qsizetype i = 0; i < qsizetype(all.size()); ++i) {
            QCOMPARE(all[i].number, i + 1);
            QVERIFY(!all[i].symbol.isEmpty());
            symbols.insert(all[i].symbol);
            QCOMPARE(&Elements::byNumber(all[i].number), &all[i]);
        }
        QCOMPARE(symbols.size(), 112);
    }

    void everyElementHasACellOfItsOwnInsideTheGrid() {
        QSet<QPair<int, int>> taken;
        for (const Element &element : Elements::all()) {
            const Elements::GridCell cell = Elements::gridCell(element);
            QVERIFY2(cell.column >= 0 && cell.column < Elements::GridColumns,
                     element.symbol.data());
            QVERIFY2(cell.row >= 0 && cell.row <= Elements::ActinideRow, element.symbol.data());
            QVERIFY2(!taken.contains({cell.column, cell.row}), element.symbol.data());
            taken.insert({cell.column, cell.row});
        }
    }

    void elementsSitInTheirGroupAndPeriod_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addRow("hydrogen tops group 1") << "H" << 0 << 0;
        QTest::addRow("helium tops group 18") << "He" << 17 << 0;
        QTest::addRow("boron opens period 2 of group 13") << "B" << 12 << 1;
        QTest::addRow("scandium tops group 3") << "Sc" << 2 << 3;
        QTest::addRow("iron in group 8, period 4") << "Fe" << 7 << 3;
        QTest::addRow("hafnium follows the lanthanides in group 4") << "Hf" << 3 << 5;
        QTest::addRow("ununbium in group 12, period 7") << "Uub" << 11 << 6;
        QTest::addRow("lanthanum opens the lanthanide row below group 4") << "La" << 3 << 7;
        QTest::addRow("lutetium closes the lanthanide row") << "Lu" << 17 << 7;
        QTest::addRow("actinium opens the actinide row") << "Ac" << 3 << 8;
        QTest::addRow("lawrencium closes the actinide row") << "Lr" << 17 << 8;
    }
    void elementsSitInTheirGroupAndPeriod() {
        QFETCH(QString, symbol);
        QFETCH(int, column);
        QFETCH(int, row);
        const Element *element = findSymbol(symbol);
        QVERIFY(element);
        QCOMPARE(Elements::gridCell(*element), (Elements::GridCell{column, row}));
    }

    void elementsBelongToTheirFamily_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<ElementFamily>("family");
        QTest::addRow("hydrogen stands alone") << "H" << ElementFamily::Hydrogen;
        QTest::addRow("sodium") << "Na" << ElementFamily::AlkaliMetal;
        QTest::addRow("calcium") << "Ca" << ElementFamily::AlkalineEarthMetal;
        QTest::addRow("mercury") << "Hg" << ElementFamily::TransitionMetal;
        QTest::addRow("rutherfordium") << "Rf" << ElementFamily::Transactinide;
        QTest::addRow("aluminium") << "Al" << ElementFamily::OtherMetal;
        QTest::addRow("tin") << "Sn" << ElementFamily::OtherMetal;
        QTest::addRow("polonium") << "Po" << ElementFamily::OtherMetal;
        QTest::addRow("boron, a metalloid") << "B" << ElementFamily::NonMetal;
        QTest::addRow("antimony, a metalloid") << "Sb" << ElementFamily::NonMetal;
        QTest::addRow("chlorine") << "Cl" << ElementFamily::Halogen;
        QTest::addRow("astatine") << "At" << ElementFamily::Halogen;
        QTest::addRow("neon") << "Ne" << ElementFamily::NobleGas;
    }
    void elementsBelongToTheirFamily() {
        QFETCH(QString, symbol);
        QFETCH(ElementFamily, family);
        const Element *element = findSymbol(symbol);
        QVERIFY(element);
        QCOMPARE(element->family, family);
    }

    void seriesRangesHoldExactlyTheirFamily() {
        for (const Element &element : Elements::all()) {
            const bool lanthanide = element.number >= Elements::FirstLanthanide &&
                                    element.number <= Elements::LastLanthanide;
            const bool actinide = element.number >= Elements::FirstActinide &&
                                  element.number <= Elements::LastActinide;
            QCOMPARE(element.family == ElementFamily::Lanthanide, lanthanide);
            QCOMPARE(element.family == ElementFamily::Actinide, actinide);
            QCOMPARE(element.group == 0, lanthanide || actinide);
        }
    }

    void multivalentMetalsCarryTheirCharges_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("charges");
        QTest::newRow("Cr") << "Cr"
                            << "6,3";
        QTest::newRow("Mn") << "Mn"
                            << "7,6,4,2";
        QTest::newRow("Fe") << "Fe"
                            << "2,3";
        QTest::newRow("Co") << "Co"
                            << "3,2";
        QTest::newRow("Ni") << "Ni"
                            << "2,3";
        QTest::newRow("Cu") << "Cu"
                            << "2,1";
        QTest::newRow("Sn") << "Sn"
                            << "4,2";
        QTest::newRow("Sb") << "Sb"
                            << "3,5";
        QTest::newRow("W") << "W"
                           << "6,4";
        QTest::newRow("Pt") << "Pt"
                            << "4,2";
        QTest::newRow("Au") << "Au"
                            << "1,3";
        QTest::newRow("Hg") << "Hg"
                            << "2,1";
        QTest::newRow("Pb") << "Pb"
                            << "4,2";
    }
    void multivalentMetalsCarryTheirCharges() {
        QFETCH(QString, symbol);
        QFETCH(QString, charges);
        const Element *element = findSymbol(symbol);
        QVERIFY(element);
        QCOMPARE(QString(element->charges), charges);
    }

    void onlyTheThirteenMultivalentMetalsCarryCharges() {
        const QStringList charged =
            symbolsWhere([](const Element &e) { return !e.charges.isEmpty(); });
        QCOMPARE(charged, QStringList({"Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Sn", "Sb", "W", "Pt",
                                       "Au", "Hg", "Pb"}));
    }

    void statesAtRoomTemperature_data() {
        QTest::addColumn<ElementState>("state");
        QTest::addColumn<QStringList>("symbols");
        QTest::addRow("gases") << ElementState::Gas
                               << QStringList{"H",  "He", "N",  "O",  "F", "Ne",
                                              "Cl", "Ar", "Kr", "Xe", "Rn"};
        QTest::addRow("liquids and near-liquids")
            << ElementState::Liquid << QStringList{"Ga", "Br", "Cs", "Hg", "Fr"};
        QTest::addRow("synthetic technetium") << ElementState::Synthetic << QStringList{"Tc"};
    }
    void statesAtRoomTemperature() {
        QFETCH(ElementState, state);
        QFETCH(QStringList, symbols);
        QCOMPARE(symbolsWhere([&](const Element &e) { return e.state == state; }), symbols);
    }

    void lastThreeElementsKeepTheirPlaceholderSymbols() {
        QCOMPARE(QString(Elements::byNumber(110).symbol), "Uun");
        QCOMPARE(QString(Elements::byNumber(111).symbol), "Uuu");
        QCOMPARE(QString(Elements::byNumber(112).symbol), "Uub");
    }
};

QTEST_APPLESS_MAIN(PeriodicTableElementsTest)
#include "periodictable_elements_test.moc"
