#include "core/colour.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(ColourValue c)
{
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

double contrastRatio(ColourValue a, ColourValue b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourValue readableTextOn(ColourValue background)
{
    constexpr ColourValue BLACK = 0;
    constexpr ColourValue WHITE = 0xFFFFFF;
    return contrastRatio(background, BLACK) >= contrastRatio(background, WHITE) ? BLACK : WHITE;
}
