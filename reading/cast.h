// SPDX-License-Identifier: MIT
// The draw of a cast: three dice of two half-dice each, and the row each selects.
#pragma once

#include "platform/randomsource.h"

#include <QtGlobal>

#include <array>

namespace Zentrova {

// One die as shown: the halves after the both-zero rule, and which of the two
// half-pictures stay visible.
struct DieFace
{
    std::array<qint16, 2> halves{};
    std::array<bool, 2> shown{};

    // 1 to 10: the table row and picture position the die selects.
    int value() const { return halves[0] + halves[1]; }
    friend bool operator==(const DieFace &, const DieFace &) = default;
};

inline constexpr int DiceInCast = 3;
inline constexpr int HalfFaces = 6; // a half-die holds 0 to 5 pips

// Applies the both-zero rule to a drawn pair: a die of two blank halves shows
// one pip in its second half. A zero half is hidden.
DieFace settleDie(qint16 half0, qint16 half1);

// The integer part of r * 6 for one fresh draw r in [0, 1).
qint16 drawHalf(RandomSource &random);

// Six draws in the order die 1 half 0, die 1 half 1, die 2 half 0, ... .
std::array<DieFace, DiceInCast> drawCast(RandomSource &random);

} // namespace Zentrova
