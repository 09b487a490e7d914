// SPDX-License-Identifier: MIT
#include "resources/pictures.h"
#include "ui/main/pictureset.h"
#include "ui/pixmaps.h"

#include <QApplication>
#include <QTest>

using namespace Zentrova;

namespace {

QList<int> askedFor;

QString countedDicePath(int position)
{
    askedFor.append(position);
    return Pictures::dice(position);
}

} // namespace

class TestPictureSet : public QObject
{
    Q_OBJECT

private slots:
    void readsEachPictureOnFirstUseOnly();
    void givesNothingOutsideTheSet();
};

void TestPictureSet::readsEachPictureOnFirstUseOnly()
{
    askedFor.clear();
    const PictureSet dice(&countedDicePath);
    QVERIFY(askedFor.isEmpty());

    const QPixmap three = dice.at(3);
    QCOMPARE(three.toImage(), Look::picture(Pictures::dice(3)).toImage());
    QCOMPARE(dice.at(3).cacheKey(), three.cacheKey());
    QCOMPARE(dice.at(1).toImage(), Look::picture(Pictures::dice(1)).toImage());
    QCOMPARE(askedFor, QList<int>({3, 1}));
}

void TestPictureSet::givesNothingOutsideTheSet()
{
    askedFor.clear();
    const PictureSet dice(&countedDicePath);
    QVERIFY(dice.at(0).isNull());
    QVERIFY(dice.at(Pictures::SetSize + 1).isNull());
    QVERIFY(!dice.at(Pictures::SetSize).isNull());
    QCOMPARE(askedFor, QList<int>({Pictures::SetSize}));
}

QTEST_MAIN(TestPictureSet)
#include "tst_pictureset.moc"
