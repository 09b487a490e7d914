// SPDX-License-Identifier: MIT
// The fixed reading tables: planets, zodiac signs and houses.
#pragma once

#include <QString>

#include <array>

namespace Zentrova {

inline constexpr int TableRows = 12;

// Twelve rows numbered 1 to 12, stored at positions 0 to 11.
using ReadingTable = std::array<QString, TableRows>;

// The six tables. They are empty until the first fill(), which
// every cast runs before it reads a row.
struct ReadingTables
{
    ReadingTable planetNames;
    ReadingTable planetSignificances;
    ReadingTable zodiacSignNames;
    ReadingTable zodiacSignSignificances;
    ReadingTable houseNames;
    ReadingTable houseSignificances;

    // Writes every row of every table, table by table and row 1 to 12.
    void fill();
};

} // namespace Zentrova
