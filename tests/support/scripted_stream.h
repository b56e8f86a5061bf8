#pragma once

#include "core/random_stream.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

// A random stream that hands out a fixed list of values, so a test can name the exact draws.
// Running past the end of the script is a fault of the test.
class ScriptedStream final : public RandomStream {
public:
    explicit ScriptedStream(std::vector<double> values) : m_values(std::move(values)) {}

    double next() override
    {
        if (m_next >= m_values.size())
            throw std::logic_error("scripted random stream ran out of values");
        return m_values[m_next++];
    }

    std::size_t drawn() const { return m_next; }
    std::uint64_t position() const override { return m_next; }
    void rewindTo(std::uint64_t position) override { m_next = static_cast<std::size_t>(position); }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
};

// Stream values that draw the colour components r, g and b (each 0..253) with Int(x * 254).
inline std::vector<double> colourDraws(int r, int g, int b)
{
    const auto at = [](int c) { return (c + 0.5) / 254.0; };
    return {at(r), at(g), at(b)};
}
