// SPDX-License-Identifier: MIT
#include "recordingplatform.h"

#include "reading/cast.h"
#include "reading/reading.h"

#include <QTest>

using namespace Zentrova;
using Zentrova::Testing::ScriptedRandom;

class TestCast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settleDie_data();
    void settleDie();
    void drawHalf_mapsUnitIntervalOntoSixFaces_data();
    void drawHalf_mapsUnitIntervalOntoSixFaces();
    void drawCast_takesHalvesInDieOrder();
    void seededCasts_followThePairTable();
    void seededCasts_neverSelectRowsElevenOrTwelve();
    void seeding_repeatsDrawsAndUsesEveryBitOfTheSeed();
    void reading_bringsItsPage_data();
    void reading_bringsItsPage();
};

void TestCast::settleDie_data()
{
    QTest::addColumn<int>("half0");
    QTest::addColumn<int>("half1");
    QTest::addColumn<int>("shown0");
    QTest::addColumn<int>("shown1");
    QTest::addColumn<int>("pips1");
    QTest::addColumn<int>("value");

    QTest::newRow("both zero: one pip in the second half") << 0 << 0 << 0 << 1 << 1 << 1;
    for (int v = 1; v <= 5; ++v) {
        QTest::addRow("(0,%d) hides the first half", v) << 0 << v << 0 << 1 << v << v;
        QTest::addRow("(%d,0) hides the second half", v) << v << 0 << 1 << 0 << 0 << v;
    }
    QTest::newRow("(5,5) selects row ten") << 5 << 5 << 1 << 1 << 5 << 10;
    QTest::newRow("(2,3) shows both") << 2 << 3 << 1 << 1 << 3 << 5;
}

void TestCast::settleDie()
{
    QFETCH(int, half0);
    QFETCH(int, half1);
    QFETCH(int, shown0);
    QFETCH(int, shown1);
    QFETCH(int, pips1);
    QFETCH(int, value);

    const DieFace face = Zentrova::settleDie(qint16(half0), qint16(half1));
    QCOMPARE(face.shown[0], bool(shown0));
    QCOMPARE(face.shown[1], bool(shown1));
    QCOMPARE(int(face.halves[1]), pips1);
    QCOMPARE(face.value(), value);
    // The pips shown always add up to the value, a hidden half counting 0.
    const int shownPips =
        (face.shown[0] ? face.halves[0] : 0) + (face.shown[1] ? face.halves[1] : 0);
    QCOMPARE(shownPips, value);
}

void TestCast::drawHalf_mapsUnitIntervalOntoSixFaces_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("half");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below 1/6") << 0.1666 << 0;
    QTest::newRow("1/6") << 1.0 / 6.0 + 1e-12 << 1;
    QTest::newRow("0.5") << 0.5 << 3;
    QTest::newRow("just below 1") << 0.999999999 << 5;
    QTest::newRow("a stray 1.0 stays a face") << 1.0 << 5;
}

void TestCast::drawHalf_mapsUnitIntervalOntoSixFaces()
{
    QFETCH(double, draw);
    QFETCH(int, half);
    ScriptedRandom random({draw});
    QCOMPARE(int(drawHalf(random)), half);
}

void TestCast::drawCast_takesHalvesInDieOrder()
{
    // die 1: (0,0) -> both-zero; die 2: (3,0); die 3: (5,5)
    ScriptedRandom random({0.0, 0.0, 0.55, 0.1, 0.9, 0.95});
    const auto dice = drawCast(random);
    QCOMPARE(dice[0], (DieFace{{0, 1}, {false, true}}));
    QCOMPARE(dice[1], (DieFace{{3, 0}, {true, false}}));
    QCOMPARE(dice[2], (DieFace{{5, 5}, {true, true}}));
}

void TestCast::seededCasts_followThePairTable()
{
    // Of the 36 equally likely pairs, value v arises from this many.
    const int pairs[] = {3, 3, 4, 5, 6, 5, 4, 3, 2, 1};
    SeededRandom random(42);
    constexpr int casts = 72000;
    std::array<int, 11> seen{};
    for (int i = 0; i < casts; ++i)
        for (const DieFace &die : drawCast(random))
            ++seen[die.value()];
    const double draws = 3.0 * casts;
    for (int v = 1; v <= 10; ++v) {
        const double expected = draws * pairs[v - 1] / 36.0;
        // Five standard deviations of a binomial count.
        const double sigma = std::sqrt(expected * (1.0 - pairs[v - 1] / 36.0));
        QVERIFY2(std::abs(seen[v] - expected) < 5 * sigma,
                 qPrintable(QStringLiteral("value %1: %2 seen, %3 expected")
                                .arg(v)
                                .arg(seen[v])
                                .arg(expected)));
    }
    QCOMPARE(seen[0], 0);
}

void TestCast::seededCasts_neverSelectRowsElevenOrTwelve()
{
    SeededRandom random(7);
    for (int i = 0; i < 5000; ++i) {
        for (const DieFace &die : drawCast(random)) {
            QVERIFY(die.value() >= 1 && die.value() <= 10);
            for (int half = 0; half < 2; ++half) {
                QVERIFY(die.halves[half] >= 0 && die.halves[half] <= 5);
                QCOMPARE(die.shown[half], die.halves[half] != 0);
            }
        }
    }
}

void TestCast::seeding_repeatsDrawsAndUsesEveryBitOfTheSeed()
{
    const auto draws = [](SeededRandom &random) {
        QList<double> values;
        for (int i = 0; i < 8; ++i)
            values.append(random.next());
        return values;
    };
    SeededRandom first(0x0000000100000005ULL);
    SeededRandom sameSeed(0x0000000100000005ULL);
    SeededRandom otherHighHalf(0x0000000200000005ULL);
    const QList<double> drawn = draws(first);
    for (double value : drawn)
        QVERIFY(value >= 0.0 && value < 1.0);
    QCOMPARE(draws(sameSeed), drawn);
    QVERIFY(draws(otherHighHalf) != drawn);
    first.seed(0x0000000100000005ULL);
    QCOMPARE(draws(first), drawn);
}

void TestCast::reading_bringsItsPage_data()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<Table>("page");
    QTest::addColumn<bool>("tabs");

    QTest::newRow("planet") << Reading::Planet << Table::Planets << false;
    QTest::newRow("zodiac") << Reading::Zodiac << Table::ZodiacSigns << false;
    QTest::newRow("house") << Reading::House << Table::Houses << false;
    QTest::newRow("comprehensive: the planet first, behind tabs")
        << Reading::Comprehensive << Table::Planets << true;
}

void TestCast::reading_bringsItsPage()
{
    QFETCH(Reading, reading);
    QFETCH(Table, page);
    QFETCH(bool, tabs);
    QCOMPARE(pageInFront(reading), page);
    QCOMPARE(showsTabs(reading), tabs);
}

QTEST_GUILESS_MAIN(TestCast)
#include "tst_cast.moc"
