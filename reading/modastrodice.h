// The fixed reading tables: planets, zodiac signs and houses.
#pragma once

#include <QString>

#include <array>

namespace modAstroDice {

inline constexpr int TableRows = 12;

// Twelve rows numbered 1 to 12, stored at positions 0 to 11.
using ReadingTable = std::array<QString, TableRows>;

// The six tables. They are empty until the first FillReadingTables(), which
// every cast runs before it reads a row.
struct ReadingTables
{
    ReadingTable PlanetsName;
    ReadingTable PlanetsSignificance;
    ReadingTable ZodiacSignsName;
    ReadingTable ZodiacSignsSignificance;
    ReadingTable HousesName;
    ReadingTable HousesSignificance;

    // Writes every row of every table, table by table and row 1 to 12.
    void FillReadingTables();
};

} // namespace modAstroDice
