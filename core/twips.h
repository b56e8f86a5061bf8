#pragma once

// Form positions and sizes are given in twips; at 96 DPI a logical pixel is 15 twips.
constexpr int twipsToPixels(int twips) { return (2 * twips + 15) / 30; }
