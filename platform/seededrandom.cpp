// SPDX-License-Identifier: MIT
#include "platform/seededrandom.h"

#include <QDateTime>

#include <chrono>

namespace Zentrova {

SeededRandom::SeededRandom(quint64 seed, Clock clock)
    : m_generator(seed), m_clock(clock ? std::move(clock) : Clock(&SeededRandom::systemClockSeed))
{}

double SeededRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0, unlike some
    // std::generate_canonical implementations.
    return double(m_generator() >> 11) * 0x1.0p-53;
}

void SeededRandom::seedFromClock()
{
    seed(m_clock());
}

void SeededRandom::seed(quint64 value)
{
    m_generator.seed(value);
}

quint64 SeededRandom::systemClockSeed()
{
    // Milliseconds alone repeat when two copies start in the same instant;
    // the high-resolution tick tells them apart.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return quint64(QDateTime::currentMSecsSinceEpoch()) * 6364136223846793005ULL ^ quint64(ticks);
}

} // namespace Zentrova
