// SPDX-License-Identifier: MIT
// A seedable generator behind the RandomSource interface.
#pragma once

#include "platform/randomsource.h"

#include <QRandomGenerator>

#include <functional>

namespace Zentrova {

class SeededRandom final : public RandomSource
{
public:
    using Clock = std::function<quint64()>;

    // clock gives the seed for seedFromClock(); the default reads the system clock.
    explicit SeededRandom(quint64 seed = 0, Clock clock = {});

    double next() override;
    void seedFromClock() override;
    void seed(quint64 value);

    static quint64 systemClockSeed();

private:
    QRandomGenerator m_generator;
    Clock m_clock;
};

} // namespace Zentrova
