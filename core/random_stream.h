#pragma once

#include <cstdint>
#include <random>

// A source of uniform values in [0, 1), whose place in its sequence can be read and gone back to.
class RandomStream {
public:
    virtual ~RandomStream() = default;
    virtual double next() = 0;
    // How many values it has handed out since its start.
    virtual std::uint64_t position() const = 0;
    // Back (or on) to where it stood after handing out that many values.
    virtual void rewindTo(std::uint64_t position) = 0;
};

// The program's stream. std::mt19937_64 has a sequence that the C++ standard fixes, and we map its
// outputs to [0, 1) ourselves with 53 bits (the standard distributions may differ between
// libraries), so the same actions give the same colours on every platform and run. Without a seed
// it starts from the engine's own fixed state, as it always has.
class ProgramRandomStream final : public RandomStream {
public:
    ProgramRandomStream() = default;
    explicit ProgramRandomStream(std::uint64_t seed) : m_seed(seed), m_engine(seed) {}

    double next() override;
    std::uint64_t position() const override { return m_position; }
    void rewindTo(std::uint64_t position) override;

private:
    std::uint64_t m_seed = std::mt19937_64::default_seed;
    std::mt19937_64 m_engine{m_seed};
    std::uint64_t m_position = 0;
};
