// SPDX-License-Identifier: MIT
// What the user asks to read, and what the result view shows for it.
#pragma once

#include "reading/readingtables.h"

namespace Zentrova {

// One die's page, or all three behind tabs.
enum class Reading { Planet, Zodiac, House, Comprehensive };

// The page a reading brings to the front: its die's, and for a comprehensive
// reading the planet's, whatever tab was selected before.
constexpr Table pageInFront(Reading reading)
{
    switch (reading) {
    case Reading::Zodiac:
        return Table::ZodiacSigns;
    case Reading::House:
        return Table::Houses;
    case Reading::Planet:
    case Reading::Comprehensive:
        break;
    }
    return Table::Planets;
}

constexpr bool showsTabs(Reading reading)
{
    return reading == Reading::Comprehensive;
}

} // namespace Zentrova
