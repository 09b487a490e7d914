// SPDX-License-Identifier: MIT
#include "platform/seededrandom.h"

#include <QDateTime>

#include <chrono>
#include <random>

namespace Zentrova {

SeededRandom::SeededRandom(quint64 seed, Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(&SeededRandom::systemClockSeed))
{
    this->seed(seed);
}

double SeededRandom::next()
{
    // 53 random bits scaled into [0, 1): never 1.0.
    return m_generator.generateDouble();
}

void SeededRandom::seedFromClock()
{
    seed(m_clock());
}

void SeededRandom::seed(quint64 value)
{
    // All 64 bits count: two seeds that differ only in their high half give
    // different draws.
    std::seed_seq words{quint32(value), quint32(value >> 32)};
    m_generator.seed(words);
}

quint64 SeededRandom::systemClockSeed()
{
    // Milliseconds alone repeat when two copies start in the same instant;
    // the high-resolution tick tells them apart.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return quint64(QDateTime::currentMSecsSinceEpoch()) * 6364136223846793005ULL ^ quint64(ticks);
}

} // namespace Zentrova
