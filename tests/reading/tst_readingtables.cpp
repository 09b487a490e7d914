// SPDX-License-Identifier: MIT
#include "reading/readingtables.h"
#include "resources/pictures.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace Pictures = Zentrova::Pictures;
using Zentrova::readingRow;
using Zentrova::Table;
using Zentrova::TableRows;

namespace {

constexpr Table Tables[] = {Table::Planets, Table::ZodiacSigns, Table::Houses};

bool isPlainAsciiLine(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == u'<' || c == u'>')
            return false;
    }
    return !text.isEmpty() && text.trimmed() == text;
}

// Answers for the tables' context alone, in capitals.
class CapitalsTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Zentrova::ReadingTables") != 0)
            return {};
        return QString::fromUtf8(sourceText).toUpper();
    }
};

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRow_isOnePlainLineWithADistinctName();
    void firstAndTenthRows_carryTheirNames_data();
    void firstAndTenthRows_carryTheirNames();
    void planetAndZodiacRows_nameTheirPictures();
    void rowsOutsideOneToTwelve_areEmpty();
    void planetRowsElevenAndTwelve_repeatRowsThreeAndFour();
    void rows_areReadThroughTheTranslator();
};

void TestTables::everyRow_isOnePlainLineWithADistinctName()
{
    for (const Table table : Tables) {
        QSet<QString> names;
        QSet<QString> significances;
        for (int row = 1; row <= TableRows; ++row) {
            const auto [name, significance] = readingRow(table, row);
            const QByteArray where = QByteArray::number(int(table)) + ':' + QByteArray::number(row);
            QVERIFY2(isPlainAsciiLine(name), where.constData());
            QVERIFY2(isPlainAsciiLine(significance), where.constData());
            QVERIFY2(significance.size() > name.size(), where.constData());
            // A die reaches rows 1 to 10 only; those must all differ.
            if (row <= 10) {
                names << name;
                significances << significance;
            }
        }
        QCOMPARE(names.size(), 10);
        QCOMPARE(significances.size(), 10);
    }
}

void TestTables::firstAndTenthRows_carryTheirNames_data()
{
    QTest::addColumn<Table>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");

    QTest::newRow("planet 1") << Table::Planets << 1 << "Sun";
    QTest::newRow("zodiac sign 1") << Table::ZodiacSigns << 1 << "Aries";
    QTest::newRow("house 1") << Table::Houses << 1 << "1st House - The House of Identity";
    QTest::newRow("planet 10") << Table::Planets << 10 << "Pluto";
    QTest::newRow("zodiac sign 10") << Table::ZodiacSigns << 10 << "Capricorn";
    QTest::newRow("house 10") << Table::Houses << 10 << "10th House - The House of Career";
}

void TestTables::firstAndTenthRows_carryTheirNames()
{
    QFETCH(Table, table);
    QFETCH(int, row);
    QFETCH(QString, name);
    QCOMPARE(readingRow(table, row).name, name);
}

// Each picture file is named for its row: its number and its name.
void TestTables::planetAndZodiacRows_nameTheirPictures()
{
    for (int row = 1; row <= TableRows; ++row) {
        const QString stem = QStringLiteral("/%1_").arg(row, 2, 10, QLatin1Char('0'));
        const QString planet = stem + readingRow(Table::Planets, row).name.toLower() + ".png";
        QVERIFY2(Pictures::planet(row).endsWith(planet), qPrintable(Pictures::planet(row)));
        const QString zodiac = stem + readingRow(Table::ZodiacSigns, row).name.toLower() + ".png";
        QVERIFY2(Pictures::zodiac(row).endsWith(zodiac), qPrintable(Pictures::zodiac(row)));
    }
}

void TestTables::rowsOutsideOneToTwelve_areEmpty()
{
    for (const Table table : Tables) {
        for (const int row : {-1, 0, TableRows + 1}) {
            QVERIFY(readingRow(table, row).name.isEmpty());
            QVERIFY(readingRow(table, row).significance.isEmpty());
        }
    }
}

void TestTables::planetRowsElevenAndTwelve_repeatRowsThreeAndFour()
{
    QCOMPARE(readingRow(Table::Planets, 11).name, readingRow(Table::Planets, 3).name);
    QCOMPARE(readingRow(Table::Planets, 11).significance,
             readingRow(Table::Planets, 3).significance);
    QCOMPARE(readingRow(Table::Planets, 12).name, readingRow(Table::Planets, 4).name);
    QCOMPARE(readingRow(Table::Planets, 12).significance,
             readingRow(Table::Planets, 4).significance);
}

void TestTables::rows_areReadThroughTheTranslator()
{
    const auto english = readingRow(Table::Houses, 7);
    CapitalsTranslator capitals;
    QCoreApplication::installTranslator(&capitals);
    const auto translated = readingRow(Table::Houses, 7);
    QCoreApplication::removeTranslator(&capitals);

    QCOMPARE(translated.name, english.name.toUpper());
    QCOMPARE(translated.significance, english.significance.toUpper());
    QVERIFY(translated.name != english.name);
    QCOMPARE(readingRow(Table::Houses, 7).name, english.name);
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_readingtables.moc"
