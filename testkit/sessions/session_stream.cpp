#include "sessions/session_stream.h"

#include <cmath>

void SessionStream::rewindTo(std::uint64_t position)
{
    // Each value takes one number from the engine.
    m_engine.seed(m_seed);
    m_engine.discard(position);
    m_position = position;
}

double SessionStream::next()
{
    ++m_position;
    const std::uint64_t bits = m_engine();
    const double uniform = static_cast<double>(bits >> 11U) * 0x1p-53;
    if ((bits & 0xFU) != 0)
        return uniform;
    const double step = std::floor(uniform * 254.0) / 254.0;
    switch ((bits >> 4U) % 5U) {
    case 0: return 0.0;
    case 1: return std::nextafter(1.0, 0.0);
    case 2: return step;
    case 3: return step > 0.0 ? std::nextafter(step, 0.0) : 0.0;
    default: return 0.5;
    }
}
