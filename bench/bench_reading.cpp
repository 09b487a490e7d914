// SPDX-License-Identifier: MIT
// How long the reading half of a cast takes: the draw and the three rows
// every cast reads. A cast answers a click, so it should stay far below a frame.
#include "platform/seededrandom.h"
#include "reading/cast.h"
#include "reading/readingtables.h"

#include <QTest>

class BenchReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawCast()
    {
        Zentrova::SeededRandom random(1);
        int total = 0;
        QBENCHMARK
        {
            for (const auto &die : Zentrova::drawCast(random))
                total += die.value();
        }
        QVERIFY(total > 0);
    }

    void readCastRows()
    {
        using Zentrova::Table;
        qsizetype total = 0;
        QBENCHMARK
        {
            for (const Table table : {Table::Planets, Table::ZodiacSigns, Table::Houses})
                total += Zentrova::readingRow(table, 12).significance.size();
        }
        QVERIFY(total > 0);
    }
};

QTEST_GUILESS_MAIN(BenchReading)
#include "bench_reading.moc"
