#include "core/share.h"

#include <cmath>

std::int16_t Share::draw(int range)
{
    const double r = m_stream.next();
    // A stream outside [0, 1) would be a fault of its own; keep the result in range regardless.
    if (!(r > 0.0))
        return 0;
    const double scaled = std::floor(r * range);
    if (scaled >= range)
        return static_cast<std::int16_t>(range - 1);
    return static_cast<std::int16_t>(scaled);
}

std::int16_t Share::randomColourComponent() { return draw(254); }

std::int16_t Share::randomBlock() { return draw(64); }

std::optional<std::int16_t> Share::drawBlockWhere(const std::function<bool(int)>& accepts)
{
    bool any = false;
    for (int b = 0; b < 64 && !any; ++b)
        any = accepts(b);
    if (!any)
        return std::nullopt;
    std::int16_t block = randomBlock();
    while (!accepts(block))
        block = randomBlock();
    return block;
}

FileColour Share::drawFileColour()
{
    FileColour c;
    c.R = randomColourComponent();
    c.G = randomColourComponent();
    c.B = randomColourComponent();
    return c;
}
