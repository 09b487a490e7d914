// SPDX-License-Identifier: MIT
#include "resources/pictures.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace Zentrova;

namespace {

QString doubleSizePath(const QString &path)
{
    QString result = path;
    return result.replace(QLatin1String(".png"), QLatin1String("@2x.png"));
}

QImage load(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 60 && qGreen(pixel) > qBlue(pixel) + 40;
}

// Distance from grey: 0 for white, black and every shade between.
int saturation(QRgb pixel)
{
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high - low;
}

// Pixels that are clearly not the white background.
bool isInk(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200;
}

struct Blob
{
    QRect bounds;
    int area = 0;
};

// Connected regions (4-neighbourhood) of pixels that pass the test.
template <typename Test> std::vector<Blob> blobs(const QImage &image, Test test)
{
    const int width = image.width();
    std::vector<char> seen(size_t(width) * image.height(), 0);
    std::vector<Blob> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (seen[size_t(y) * width + x] || !test(image.pixel(x, y)))
                continue;
            Blob blob;
            std::vector<QPoint> pending{QPoint(x, y)};
            seen[size_t(y) * width + x] = 1;
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                blob.bounds = blob.bounds.united(QRect(p, QSize(1, 1)));
                ++blob.area;
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (!image.rect().contains(q) || seen[size_t(q.y()) * width + q.x()])
                        continue;
                    seen[size_t(q.y()) * width + q.x()] = 1;
                    if (test(image.pixel(q)))
                        pending.push_back(q);
                }
            }
            found.push_back(blob);
        }
    }
    return found;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPicture_loadsWithItsDoubleSizeVersion();
    void pictureSizes_matchTheirSet_data();
    void pictureSizes_matchTheirSet();
    void repeatedPictures_showTheSameImage_data();
    void repeatedPictures_showTheSameImage();
    void planetPictures_differFromOneAnother();
    void dieFace_showsItsNumberOfGreenSquarePips_data();
    void dieFace_showsItsNumberOfGreenSquarePips();
    void zodiacPictures_areBlackOnWhite_data();
    void zodiacPictures_areBlackOnWhite();
    void planetPictures_areMostlyColouredOnWhite_data();
    void planetPictures_areMostlyColouredOnWhite();
    void icon_isWhiteDieWithDarkPipsOnTransparency();
    void positionsOutsideTheSet_haveNoPicture();
};

void TestPictures::everyPicture_loadsWithItsDoubleSizeVersion()
{
    const QStringList paths = Pictures::all();
    QCOMPARE(paths.size(), 3 * Pictures::SetSize + 1);
    for (const QString &path : paths) {
        const QImage normal(path);
        QVERIFY2(!normal.isNull(), qPrintable(path));
        const QImage doubled(doubleSizePath(path));
        QVERIFY2(!doubled.isNull(), qPrintable(doubleSizePath(path)));
        QCOMPARE(doubled.size(), normal.size() * 2);
    }
}

void TestPictures::pictureSizes_matchTheirSet_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");

    for (int n = 1; n <= Pictures::SetSize; ++n) {
        QTest::addRow("die %d", n) << Pictures::dice(n) << QSize(42, 42) << QSize(42, 42);
        const QSize planet = n == 7 ? QSize(72, 72) : QSize(73, 72);
        QTest::addRow("planet %d", n) << Pictures::planet(n) << planet << planet;
        QTest::addRow("zodiac %d", n) << Pictures::zodiac(n) << QSize(68, 64) << QSize(79, 84);
    }
    QTest::newRow("icon") << Pictures::icon() << QSize(32, 32) << QSize(32, 32);
}

void TestPictures::pictureSizes_matchTheirSet()
{
    QFETCH(QString, path);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);

    const QSize size = QImage(path).size();
    QVERIFY2(size.width() >= minimum.width() && size.height() >= minimum.height(),
             qPrintable(path));
    QVERIFY2(size.width() <= maximum.width() && size.height() <= maximum.height(),
             qPrintable(path));
}

void TestPictures::repeatedPictures_showTheSameImage_data()
{
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("original");

    for (int n = 7; n <= 12; ++n)
        QTest::addRow("die %d", n) << Pictures::dice(n) << Pictures::dice(n - 6);
    QTest::newRow("planet 11 is Mercury") << Pictures::planet(11) << Pictures::planet(3);
    QTest::newRow("planet 12 is Venus") << Pictures::planet(12) << Pictures::planet(4);
}

void TestPictures::repeatedPictures_showTheSameImage()
{
    QFETCH(QString, repeat);
    QFETCH(QString, original);

    QVERIFY(repeat != original);
    QCOMPARE(load(repeat), load(original));
    QCOMPARE(load(doubleSizePath(repeat)), load(doubleSizePath(original)));
}

void TestPictures::planetPictures_differFromOneAnother()
{
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 10; ++b) {
            QVERIFY2(load(Pictures::planet(a)) != load(Pictures::planet(b)),
                     qPrintable(QStringLiteral("planets %1 and %2").arg(a).arg(b)));
        }
    }
}

void TestPictures::dieFace_showsItsNumberOfGreenSquarePips_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pips");

    for (int n = 1; n <= Pictures::SetSize; ++n) {
        const int pips = (n - 1) % 6 + 1;
        QTest::addRow("die %d", n) << Pictures::dice(n) << pips;
        QTest::addRow("die %d@2x", n) << doubleSizePath(Pictures::dice(n)) << pips;
    }
}

void TestPictures::dieFace_showsItsNumberOfGreenSquarePips()
{
    QFETCH(QString, path);
    QFETCH(int, pips);

    const QImage face = load(path);
    int white = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x)
            white += face.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    QVERIFY(white * 2 > face.width() * face.height());

    const std::vector<Blob> found = blobs(face, isGreen);
    QCOMPARE(int(found.size()), pips);
    const QSize pipSize = found.front().bounds.size();
    QVERIFY(pipSize.width() >= face.width() / 8);
    QSet<int> rows;
    for (const Blob &pip : found) {
        QCOMPARE(pip.bounds.size(), pipSize);
        QCOMPARE(pip.bounds.width(), pip.bounds.height());
        // A filled square, not a disc or a ring.
        QCOMPARE(pip.area, pip.bounds.width() * pip.bounds.height());
        rows.insert(pip.bounds.top());
    }
    // Six is two rows of three; one is a single centred pip.
    if (pips == 6)
        QCOMPARE(rows.size(), 2);
    if (pips == 1) {
        const QRect pip = found.front().bounds;
        QCOMPARE(pip.left(), face.width() - 1 - pip.right());
        QCOMPARE(pip.top(), face.height() - 1 - pip.bottom());
    }
}

void TestPictures::zodiacPictures_areBlackOnWhite_data()
{
    QTest::addColumn<QString>("path");
    for (int n = 1; n <= Pictures::SetSize; ++n) {
        QTest::addRow("sign %d", n) << Pictures::zodiac(n);
        QTest::addRow("sign %d@2x", n) << doubleSizePath(Pictures::zodiac(n));
    }
}

void TestPictures::zodiacPictures_areBlackOnWhite()
{
    QFETCH(QString, path);

    const QImage sign = load(path);
    QCOMPARE(sign.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(sign.pixel(sign.width() - 1, sign.height() - 1), qRgb(255, 255, 255));
    int black = 0;
    for (int y = 0; y < sign.height(); ++y) {
        for (int x = 0; x < sign.width(); ++x) {
            const QRgb pixel = sign.pixel(x, y);
            QVERIFY2(saturation(pixel) <= 16, qPrintable(path));
            if (qGray(pixel) < 48)
                ++black;
        }
    }
    // The glyph is drawn large: a good share of the picture is solid black.
    QVERIFY2(black * 20 > sign.width() * sign.height(), qPrintable(path));
}

void TestPictures::planetPictures_areMostlyColouredOnWhite_data()
{
    QTest::addColumn<QString>("path");
    for (int n = 1; n <= 10; ++n) {
        QTest::addRow("planet %d", n) << Pictures::planet(n);
        QTest::addRow("planet %d@2x", n) << doubleSizePath(Pictures::planet(n));
    }
}

void TestPictures::planetPictures_areMostlyColouredOnWhite()
{
    QFETCH(QString, path);

    const QImage planet = load(path);
    QCOMPARE(planet.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(planet.pixel(planet.width() - 1, planet.height() - 1), qRgb(255, 255, 255));
    int ink = 0;
    int coloured = 0;
    for (int y = 0; y < planet.height(); ++y) {
        for (int x = 0; x < planet.width(); ++x) {
            const QRgb pixel = planet.pixel(x, y);
            if (!isInk(pixel))
                continue;
            ++ink;
            if (saturation(pixel) >= 48)
                ++coloured;
        }
    }
    QVERIFY2(ink * 20 > planet.width() * planet.height(), qPrintable(path));
    QVERIFY2(coloured * 4 >= ink * 3, qPrintable(path));

    // The symbol sits in the middle: its ink is balanced around the centre.
    const std::vector<Blob> parts = blobs(planet, isInk);
    QRect bounds;
    for (const Blob &part : parts)
        bounds = bounds.united(part.bounds);
    QVERIFY(qAbs(bounds.left() - (planet.width() - 1 - bounds.right())) <= planet.width() / 24);
    QVERIFY(qAbs(bounds.top() - (planet.height() - 1 - bounds.bottom())) <= planet.height() / 24);
    QVERIFY(bounds.width() >= planet.width() / 2 || bounds.height() >= planet.height() * 3 / 4);
}

void TestPictures::icon_isWhiteDieWithDarkPipsOnTransparency()
{
    for (const QString &path : {Pictures::icon(), doubleSizePath(Pictures::icon())}) {
        const QImage icon = load(path);
        QVERIFY2(icon.hasAlphaChannel(), qPrintable(path));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(icon.width() - 1, 0)), 0);

        // Five dark pips inside the white face: count the dark regions that
        // do not touch the picture's outline.
        const auto dark = [](QRgb pixel) {
            return qAlpha(pixel) > 128 && qGray(pixel) < 96;
        };
        const auto white = [](QRgb pixel) {
            return qAlpha(pixel) == 255 && qGray(pixel) > 230;
        };
        const std::vector<Blob> faces = blobs(icon, white);
        QCOMPARE(int(faces.size()), 1);
        QVERIFY(faces.front().bounds.width() >= icon.width() * 2 / 3);
        int pips = 0;
        for (const Blob &region : blobs(icon, dark)) {
            if (faces.front().bounds.contains(region.bounds))
                ++pips;
        }
        QVERIFY2(pips == 5, qPrintable(path));
    }
}

void TestPictures::positionsOutsideTheSet_haveNoPicture()
{
    for (int position : {0, -1, 13}) {
        QVERIFY(Pictures::dice(position).isEmpty());
        QVERIFY(Pictures::planet(position).isEmpty());
        QVERIFY(Pictures::zodiac(position).isEmpty());
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
