// SPDX-License-Identifier: MIT
// Where the built-in pictures live in the resource system.
#pragma once

#include <QString>
#include <QStringList>

namespace Zentrova::Pictures {

inline constexpr int SetSize = 12;

// Die face with n green pips (1 to 6); 7 to 12 repeat 1 to 6.
QString dice(int position);
// Planet glyph of planet-table row n (1 to 12); 11 and 12 repeat 3 and 4.
QString planet(int position);
// Zodiac glyph of sign n, Aries (1) to Pisces (12).
QString zodiac(int position);
// The program's icon: a white die with black pips, 32 by 32.
QString icon();

// Every picture above, at its normal size.
QStringList all();

} // namespace Zentrova::Pictures
