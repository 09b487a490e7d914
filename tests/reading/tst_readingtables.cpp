// SPDX-License-Identifier: MIT
#include "reading/readingtables.h"

#include <QTest>

using Zentrova::ReadingTable;
using Zentrova::ReadingTables;
using Zentrova::TableRows;

namespace {

enum class Table { Planets, ZodiacSigns, Houses };

struct ExpectedRow
{
    Table table;
    int row;
    const char *name;
    const char *opening;
    int characters;
};

// Name or title, the words its significance opens with, and the length that
// significance is written to.
constexpr ExpectedRow ExpectedRows[] = {
    {Table::Planets, 1, "Sun", "This is the prime source of energy.", 218},
    {Table::Planets, 2, "Moon", "This is is the closest to the Earth", 266},
    {Table::Planets, 3, "Mercury", "This shows your perspective to the happenings in", 174},
    {Table::Planets, 4, "Venus", "This shows how you hold onto things that", 194},
    {Table::Planets, 5, "Mars", "This is you personal special initiative for achieving", 141},
    {Table::Planets, 6, "Jupiter", "This shows all your needs and the steps", 154},
    {Table::Planets, 7, "Saturn", "This stands for your limitations and restrictions.", 175},
    {Table::Planets, 8, "Uranus", "This extends beyond the current universe and makes", 194},
    {Table::Planets, 9, "Neptune", "This is something that you are always searching", 127},
    {Table::Planets, 10, "Pluto", "This is the ultimate commitment that you can", 101},
    {Table::Planets, 11, "Mercury", "This shows your perspective to the happenings in", 174},
    {Table::Planets, 12, "Venus", "This shows how you hold onto things that", 194},
    {Table::ZodiacSigns, 1, "Aries", "This is not a demanding sign.", 352},
    {Table::ZodiacSigns, 2, "Taurus", "This sign is one step forward in achieving", 240},
    {Table::ZodiacSigns, 3, "Gemini", "This sign starts as a line from the", 191},
    {Table::ZodiacSigns, 4, "Cancer", "In this sign, the dot patterns signify the", 266},
    {Table::ZodiacSigns, 5, "Leo", "You are on always on a quest looking", 271},
    {Table::ZodiacSigns, 6, "Virgo", "You are always neat and methodical.", 312},
    {Table::ZodiacSigns, 7, "Libra", "This is the quest for peace and beauty.", 291},
    {Table::ZodiacSigns, 8, "Scorpio", "You appreciate power and status.", 148},
    {Table::ZodiacSigns, 9, "Sagittarius", "This sign stands for freedom of expression.", 131},
    {Table::ZodiacSigns, 10, "Capricorn", "This is the quest for control and firmness.", 195},
    {Table::ZodiacSigns, 11, "Aquarius", "You will be an outcast.", 177},
    {Table::ZodiacSigns, 12, "Pisces", "This sign prefers to be in the background.", 101},
    {Table::Houses, 1, "1st House - The House of Identity",
     "Much can be determined about someones personality from", 654},
    {Table::Houses, 2, "2nd House - The House of Finances",
     "This house is traditionally known as the house", 709},
    {Table::Houses, 3, "3rd House - The House of Communication",
     "This house corresponds to your power of communication.", 649},
    {Table::Houses, 4, "4th House - The House of Family",
     "This house is also known as Matristhan in", 728},
    {Table::Houses, 5, "5th House - The House of Pleasures",
     "This house signifies the place of love affairs,", 686},
    {Table::Houses, 6, "6th House - The House of Health",
     "This house indicates the skills we possess and", 711},
    {Table::Houses, 7, "7th House - The House of Partnerships",
     "This house is commonly believed to define our", 660},
    {Table::Houses, 8, "8th House - The House of Spirituality",
     "This house corresponds to the sexual nature of", 627},
    {Table::Houses, 9, "9th House - The House of Travel",
     "This house of your natal chart defines the", 619},
    {Table::Houses, 10, "10th House - The House of Career",
     "This house of tells about your career and", 601},
    {Table::Houses, 11, "11th House - The House of Hopes",
     "This house is traditionally known as the house", 659},
    {Table::Houses, 12, "12th House - The House of Shortcomings",
     "In Indian Astrology, this house is known as", 586},
};

const ReadingTable &namesOf(const ReadingTables &tables, Table table)
{
    switch (table) {
    case Table::Planets:
        return tables.planetNames;
    case Table::ZodiacSigns:
        return tables.zodiacSignNames;
    case Table::Houses:
        break;
    }
    return tables.houseNames;
}

const ReadingTable &significancesOf(const ReadingTables &tables, Table table)
{
    switch (table) {
    case Table::Planets:
        return tables.planetSignificances;
    case Table::ZodiacSigns:
        return tables.zodiacSignSignificances;
    case Table::Houses:
        break;
    }
    return tables.houseSignificances;
}

std::array<ReadingTable *, 6> allTables(ReadingTables &tables)
{
    return {&tables.planetNames,     &tables.planetSignificances,
            &tables.zodiacSignNames, &tables.zodiacSignSignificances,
            &tables.houseNames,      &tables.houseSignificances};
}

bool isPlainAsciiLine(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == u'<' || c == u'>')
            return false;
    }
    return true;
}

ReadingTables filledTables()
{
    ReadingTables tables;
    tables.fill();
    return tables;
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tablesAreEmptyBeforeFirstFill();
    void fill_writesTwelvePlainOneLineRowsToEveryTable();
    void secondFill_leavesEveryEntryUnchanged();
    void fill_replacesWhatTheEntriesHeld();
    void row_showsItsNameAndSignificance_data();
    void row_showsItsNameAndSignificance();
    void planetRowsElevenAndTwelve_repeatMercuryAndVenus();
    void housesTwoAndEleven_shareEightOpeningWordsThenDiffer();
};

void TestTables::tablesAreEmptyBeforeFirstFill()
{
    ReadingTables tables;
    for (const ReadingTable *table : allTables(tables)) {
        for (const QString &entry : *table)
            QVERIFY(entry.isEmpty());
    }
}

void TestTables::fill_writesTwelvePlainOneLineRowsToEveryTable()
{
    ReadingTables tables = filledTables();
    const auto tablesInOrder = allTables(tables);
    for (std::size_t t = 0; t < tablesInOrder.size(); ++t) {
        const ReadingTable &table = *tablesInOrder[t];
        QCOMPARE(int(table.size()), 12);
        for (int row = 0; row < TableRows; ++row) {
            const QString &entry = table[row];
            QVERIFY2(!entry.isEmpty(), qPrintable(QString("table %1 row %2").arg(t).arg(row + 1)));
            QVERIFY2(isPlainAsciiLine(entry), qPrintable(entry));
            QCOMPARE(entry.trimmed(), entry);
        }
    }

    for (int row = 0; row < TableRows; ++row) {
        QVERIFY2(tables.planetNames[row].size() >= 3 && tables.planetNames[row].size() <= 11,
                 qPrintable(tables.planetNames[row]));
        QVERIFY2(tables.zodiacSignNames[row].size() >= 3 &&
                     tables.zodiacSignNames[row].size() <= 11,
                 qPrintable(tables.zodiacSignNames[row]));
        QVERIFY2(tables.houseNames[row].size() >= 31 && tables.houseNames[row].size() <= 38,
                 qPrintable(tables.houseNames[row]));
        for (const ReadingTable *texts :
             {&tables.planetSignificances, &tables.zodiacSignSignificances,
              &tables.houseSignificances}) {
            const QString &text = (*texts)[row];
            QVERIFY2(text.size() >= 101 && text.size() <= 728, qPrintable(text));
        }
    }
}

void TestTables::secondFill_leavesEveryEntryUnchanged()
{
    ReadingTables tables = filledTables();
    const ReadingTables afterFirst = tables;
    tables.fill();

    QCOMPARE(tables.planetNames, afterFirst.planetNames);
    QCOMPARE(tables.planetSignificances, afterFirst.planetSignificances);
    QCOMPARE(tables.zodiacSignNames, afterFirst.zodiacSignNames);
    QCOMPARE(tables.zodiacSignSignificances, afterFirst.zodiacSignSignificances);
    QCOMPARE(tables.houseNames, afterFirst.houseNames);
    QCOMPARE(tables.houseSignificances, afterFirst.houseSignificances);
}

void TestTables::fill_replacesWhatTheEntriesHeld()
{
    const ReadingTables expected = filledTables();
    ReadingTables tables = expected;
    for (ReadingTable *table : allTables(tables))
        table->fill(QStringLiteral("left over from somewhere else"));

    tables.fill();

    QCOMPARE(tables.planetNames, expected.planetNames);
    QCOMPARE(tables.planetSignificances, expected.planetSignificances);
    QCOMPARE(tables.zodiacSignNames, expected.zodiacSignNames);
    QCOMPARE(tables.zodiacSignSignificances, expected.zodiacSignSignificances);
    QCOMPARE(tables.houseNames, expected.houseNames);
    QCOMPARE(tables.houseSignificances, expected.houseSignificances);
}

void TestTables::row_showsItsNameAndSignificance_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("characters");

    static const char *const TableNames[] = {"Planets", "ZodiacSigns", "Houses"};
    for (const ExpectedRow &expected : ExpectedRows) {
        QTest::addRow("%s %d", TableNames[int(expected.table)], expected.row)
            << int(expected.table) << expected.row << QString::fromLatin1(expected.name)
            << QString::fromLatin1(expected.opening) << expected.characters;
    }
}

void TestTables::row_showsItsNameAndSignificance()
{
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, opening);
    QFETCH(int, characters);

    const ReadingTables tables = filledTables();
    const QString &text = significancesOf(tables, Table(table))[row - 1];

    QCOMPARE(namesOf(tables, Table(table))[row - 1], name);
    QVERIFY2(text.startsWith(opening), qPrintable(text));
    QVERIFY2(qAbs(text.size() - characters) * 10 <= characters,
             qPrintable(QString("%1 characters, written to %2").arg(text.size()).arg(characters)));
}

void TestTables::planetRowsElevenAndTwelve_repeatMercuryAndVenus()
{
    const ReadingTables tables = filledTables();
    QCOMPARE(tables.planetNames[10], QStringLiteral("Mercury"));
    QCOMPARE(tables.planetNames[11], QStringLiteral("Venus"));
    QCOMPARE(tables.planetNames[10], tables.planetNames[2]);
    QCOMPARE(tables.planetNames[11], tables.planetNames[3]);
    QCOMPARE(tables.planetSignificances[10], tables.planetSignificances[2]);
    QCOMPARE(tables.planetSignificances[11], tables.planetSignificances[3]);
    QVERIFY(tables.planetSignificances[2] != tables.planetSignificances[3]);
}

void TestTables::housesTwoAndEleven_shareEightOpeningWordsThenDiffer()
{
    const ReadingTables tables = filledTables();
    const QStringList second = tables.houseSignificances[1].split(u' ');
    const QStringList eleventh = tables.houseSignificances[10].split(u' ');

    QVERIFY(second.size() > 8 && eleventh.size() > 8);
    QCOMPARE(second.mid(0, 8), eleventh.mid(0, 8));
    QVERIFY(second.mid(8) != eleventh.mid(8));
    QVERIFY(second.at(8) != eleventh.at(8) || second.at(9) != eleventh.at(9));
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_readingtables.moc"
