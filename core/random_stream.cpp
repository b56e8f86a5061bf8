#include "core/random_stream.h"

double ProgramRandomStream::next()
{
    ++m_position;
    return static_cast<double>(m_engine() >> 11U) * 0x1p-53;
}

void ProgramRandomStream::rewindTo(std::uint64_t position)
{
    m_engine.seed(m_seed);
    m_engine.discard(position);
    m_position = position;
}
