#include "core/random_stream.h"

double ProgramRandomStream::next() { return static_cast<double>(m_engine() >> 11U) * 0x1p-53; }
