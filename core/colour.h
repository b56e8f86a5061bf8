#pragma once

#include <cstdint>

// A 24-bit RGB colour packed as R + 256 * G + 65536 * B (red in the lowest byte).
using ColourValue = std::uint32_t;

// The colour of a free block. A block is free exactly when its colour equals this value.
inline constexpr ColourValue FREE_COLOUR = 0xFFFFFF;

constexpr ColourValue packColour(int r, int g, int b)
{
    return static_cast<ColourValue>(r) + 256U * static_cast<ColourValue>(g) + 65536U * static_cast<ColourValue>(b);
}

constexpr int redOf(ColourValue c) { return static_cast<int>(c & 0xFFU); }
constexpr int greenOf(ColourValue c) { return static_cast<int>((c >> 8U) & 0xFFU); }
constexpr int blueOf(ColourValue c) { return static_cast<int>((c >> 16U) & 0xFFU); }

// The colour of one file. Each component lies in 0..253, so a file colour is never white.
struct FileColour {
    std::int16_t R = 0;
    std::int16_t G = 0;
    std::int16_t B = 0;

    constexpr ColourValue packed() const { return packColour(R, G, B); }
    friend constexpr bool operator==(const FileColour&, const FileColour&) = default;
};

// How light a colour looks, from 0 (black) to 1 (white): the relative luminance of sRGB.
double relativeLuminance(ColourValue c);
// The contrast ratio of two colours, from 1 to 21.
double contrastRatio(ColourValue a, ColourValue b);
// Black or white, whichever reads better on the background: at least 4.5 to 1 on any colour.
ColourValue readableTextOn(ColourValue background);
