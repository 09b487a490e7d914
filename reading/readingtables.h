// SPDX-License-Identifier: MIT
// The fixed reading tables of planets, zodiac signs and houses: constant
// English texts, each translated as it is read.
#pragma once

#include <QString>

namespace Zentrova {

inline constexpr int TableRows = 12;

// One table for each die of a cast, in the dice's order.
enum class Table { Planets, ZodiacSigns, Houses };

struct ReadingRow
{
    QString name;
    QString significance;
};

// Row 1 to 12 of table in the program's language; an empty row outside.
ReadingRow readingRow(Table table, int row);

} // namespace Zentrova
