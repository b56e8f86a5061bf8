#pragma once

#include "core/colour.h"
#include "core/messages.h"

#include <ostream>

// Readable failure output for GoogleTest.
inline void PrintTo(const FileColour& c, std::ostream* os) { *os << '(' << c.R << ", " << c.G << ", " << c.B << ')'; }

inline void PrintTo(const Message& m, std::ostream* os) { *os << '"' << m.text << "\" / \"" << m.title << '"'; }
