// SPDX-License-Identifier: MIT
#include "reading/cast.h"

#include <algorithm>

namespace Zentrova {

DieFace settleDie(qint16 half0, qint16 half1)
{
    if (half0 == 0 && half1 == 0)
        return DieFace{{0, 1}, {false, true}};
    return DieFace{{half0, half1}, {half0 != 0, half1 != 0}};
}

qint16 drawHalf(RandomSource &random)
{
    // Clamped so that a source that strays to 1.0 still gives a face that exists.
    return qint16(std::clamp(int(random.next() * HalfFaces), 0, HalfFaces - 1));
}

std::array<DieFace, DiceInCast> drawCast(RandomSource &random)
{
    std::array<qint16, 2 * DiceInCast> halves{};
    for (auto &half : halves)
        half = drawHalf(random);
    std::array<DieFace, DiceInCast> dice;
    for (int die = 0; die < DiceInCast; ++die)
        dice[die] = settleDie(halves[2 * die], halves[2 * die + 1]);
    return dice;
}

} // namespace Zentrova
