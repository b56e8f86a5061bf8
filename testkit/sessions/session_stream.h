#pragma once

#include "core/random_stream.h"

#include <cstdint>
#include <random>

// The random stream of one session. The code under test and the reference each get their own
// stream of the same seed, so both see the same values in the same order. Now and then it hands
// out a value at an edge of [0, 1) (0, just below 1, exactly on or just below a step of the colour
// scale) so that the draws' own edges come up too.
class SessionStream final : public RandomStream {
public:
    explicit SessionStream(std::uint64_t seed) : m_seed(seed ^ 0x9E3779B97F4A7C15ULL), m_engine(m_seed) {}
    double next() override;
    std::uint64_t position() const override { return m_position; }
    void rewindTo(std::uint64_t position) override;

private:
    std::uint64_t m_seed;
    std::mt19937_64 m_engine;
    std::uint64_t m_position = 0;
};
