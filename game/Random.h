#pragma once

#include <cstdint>

// The game's one random source: a 32-bit linear congruential generator whose draws take the
// upper half of the 64-bit product, so equal seeds give equal games.
class Random {
public:
    // An integer drawn uniformly from 0 to n - 1.
    int next(int n) {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<int>(
            (static_cast<std::uint64_t>(m_seed) * static_cast<std::uint32_t>(n)) >> 32);
    }

    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // The seed is the time of day in milliseconds.
    void randomize(std::int64_t millisecondsOfDay) {
        m_seed = static_cast<std::uint32_t>(millisecondsOfDay);
    }

private:
    std::uint32_t m_seed = 0;
};
