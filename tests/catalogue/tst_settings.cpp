#include "quizsettings.h"
#include "randomsource.h"

#include <QTest>

#include <cmath>

namespace {

// Hands out one fixed value and counts the draws.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(float value)
        : value(value) {}
    float next() override { return ++draws, value; }
    void seedFromClock() override {}
    float value;
    int draws = 0;
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void masksFollowEachBoxChange() {
        QuizSettings settings; // simple anions ticked, ionic only
        settings.anionBoxChanged(SimpleAnions, false);
        settings.anionBoxChanged(PolyatomicAnions, true);
        settings.anionBoxChanged(OtherAnions, true);
        QCOMPARE(settings.anionMask, 18);
        for (const CovalentBit bit : {SimpleCovalent, ComplexCovalent})
            settings.covalentBoxChanged(bit, true);
        settings.covalentBoxChanged(SimpleCovalent, false);
        QCOMPARE(settings.covalentMask, ComplexCovalent);
    }

    void randomRowStaysWithinOneToN_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("row");
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        QTest::addRow("r 0 gives the first row") << 0.0f << 40 << 1;
        QTest::addRow("r just below 1 gives the last of 40") << justBelowOne << 40 << 40;
        // n itself is not a single-precision number: it rounds to 2^24 in the product.
        QTest::addRow("r just below 1 of 2^24 + 1 stays within n")
            << justBelowOne << 16777217 << 16777216;
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
