#pragma once

#include <cstdint>
#include <random>

// A source of uniform values in [0, 1).
class RandomStream {
public:
    virtual ~RandomStream() = default;
    virtual double next() = 0;
};

// The program's stream. std::mt19937_64 in its default state has a sequence that the C++ standard
// fixes, and we map its outputs to [0, 1) ourselves with 53 bits (the standard distributions may
// differ between libraries), so the same actions give the same colours on every platform and run.
class ProgramRandomStream final : public RandomStream {
public:
    double next() override;

private:
    std::mt19937_64 m_engine;  // never seeded: the fixed starting state is the point
};
