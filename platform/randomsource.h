// SPDX-License-Identifier: MIT
// The program's one random source, behind an interface so tests can script it.
#pragma once

namespace Zentrova {

// A pseudo-random source, uniform in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void seedFromClock() = 0;
};

} // namespace Zentrova
