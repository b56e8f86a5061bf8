#pragma once

#include "core/colour.h"

#include <array>
#include <optional>
#include <string>

// The simulated disk: 64 blocks, block i in row i / 8 and column i % 8.
// A block's only allocation state is its colour; its text is for display only.
class BlockDisk {
public:
    static constexpr int BLOCKS = 64;
    static constexpr int COLUMNS = 8;

    struct Cell {
        ColourValue colour = FREE_COLOUR;
        std::string text;
        std::optional<ColourValue> textColour;  // empty: the system's window-text colour
    };

    BlockDisk();

    // Writes every number label and frees every block, in ascending order. Texts stay.
    void reset();
    void clearTexts();

    // Block numbers are 0..63; anything else is a programming error and throws std::out_of_range.
    ColourValue colourOf(int block) const;
    bool isFree(int block) const;
    void paint(int block, ColourValue colour);
    void setText(int block, std::string text);
    void setTextColour(int block, ColourValue colour);
    int usedCount() const;

    const Cell& cell(int block) const;
    // The number label shown beside a block's cell: "0" until the first reset.
    const std::string& label(int block) const;

private:
    std::array<Cell, BLOCKS> m_cells{};
    std::array<std::string, BLOCKS> m_labels{};
};
