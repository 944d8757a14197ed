#include "quizsettings.h"
#include "randomsource.h"

#include <QTest>

#include <cmath>

namespace {

// Hands out one fixed value and counts the draws.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(float value)
        : m_value(value) {}
    float next() override {
        ++draws;
        return m_value;
    }
    void seedFromClock() override {}
    int draws = 0;

private:
    float m_value;
};

const float JustBelowOne = std::nextafter(1.0f, 0.0f);

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void masksFollowEachBoxChange_data() {
        // A positive bit ticks its box, a negative one unticks it, in this order.
        QTest::addColumn<QList<int>>("anionChanges");
        QTest::addColumn<QList<int>>("covalentChanges");
        QTest::addColumn<int>("anionMask");
        QTest::addColumn<int>("covalentMask");
        QTest::addRow("defaults before any click") << QList<int>() << QList<int>() << 1 << 0;
        QTest::addRow("simple off, oxy-acid and other on")
            << QList<int>{-SimpleAnions, PolyatomicAnions, OtherAnions} << QList<int>() << 18 << 0;
        QTest::addRow("both covalent boxes on")
            << QList<int>() << QList<int>{SimpleCovalent, ComplexCovalent} << 1 << 3;
        QTest::addRow("both covalent on, then simple off")
            << QList<int>() << QList<int>{SimpleCovalent, ComplexCovalent, -SimpleCovalent} << 1
            << 2;
    }
    void masksFollowEachBoxChange() {
        QFETCH(QList<int>, anionChanges);
        QFETCH(QList<int>, covalentChanges);
        QuizSettings settings;
        for (const int change : anionChanges)
            settings.anionBoxChanged(qint16(std::abs(change)), change > 0);
        for (const int change : covalentChanges)
            settings.covalentBoxChanged(qint16(std::abs(change)), change > 0);
        QTEST(int(settings.anionMask), "anionMask");
        QTEST(int(settings.covalentMask), "covalentMask");
        QCOMPARE(settings.cationKind, SingleOxidationState);
        QCOMPARE(settings.questionKind, MixedDirections);
    }

    void randomRowStaysWithinOneToN_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("row");
        QTest::addRow("r 0 gives the first row") << 0.0f << 40 << 1;
        QTest::addRow("r just below 1 gives the last of 40") << JustBelowOne << 40 << 40;
        // n itself is not a single-precision number: it rounds to 2^24 in the product.
        QTest::addRow("r just below 1 of 2^24 + 1 stays within n")
            << JustBelowOne << 16777217 << 16777216;
        QTest::addRow("nothing to draw from gives row 1") << 0.7f << 0 << 1;
    }
    void randomRowStaysWithinOneToN() {
        QFETCH(float, r);
        QFETCH(int, n);
        FixedRandom random(r);
        QTEST(randomRow(random, n), "row");
        QCOMPARE(random.draws, 1);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
