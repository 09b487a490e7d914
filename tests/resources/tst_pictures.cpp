// SPDX-License-Identifier: MIT
// The pictures as the program finds them in its resources. What each one
// shows is checked against the script that draws it
// (pictures_match_their_script).
#include "resources/pictures.h"

#include <QImage>
#include <QTest>

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

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPicture_loadsWithItsDoubleSizeVersion();
    void planetPictures_differFromOneAnother();
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

void TestPictures::planetPictures_differFromOneAnother()
{
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 10; ++b) {
            QVERIFY2(load(Pictures::planet(a)) != load(Pictures::planet(b)),
                     qPrintable(QStringLiteral("planets %1 and %2").arg(a).arg(b)));
        }
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
