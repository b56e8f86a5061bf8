#include "core/block_disk.h"

#include <algorithm>

BlockDisk::BlockDisk() { m_labels.fill("0"); }

void BlockDisk::reset()
{
    for (int i = 0; i < BLOCKS; ++i) {
        m_labels.at(static_cast<std::size_t>(i)) = std::to_string(i);
        paint(i, FREE_COLOUR);
    }
}

void BlockDisk::clearTexts()
{
    for (auto& c : m_cells)
        c.text.clear();
}

const BlockDisk::Cell& BlockDisk::cell(int block) const { return m_cells.at(static_cast<std::size_t>(block)); }

const std::string& BlockDisk::label(int block) const { return m_labels.at(static_cast<std::size_t>(block)); }

ColourValue BlockDisk::colourOf(int block) const { return cell(block).colour; }

bool BlockDisk::isFree(int block) const { return colourOf(block) == FREE_COLOUR; }

void BlockDisk::paint(int block, ColourValue colour) { m_cells.at(static_cast<std::size_t>(block)).colour = colour; }

void BlockDisk::setText(int block, std::string text)
{
    m_cells.at(static_cast<std::size_t>(block)).text = std::move(text);
}

void BlockDisk::setTextColour(int block, ColourValue colour)
{
    m_cells.at(static_cast<std::size_t>(block)).textColour = colour;
}

int BlockDisk::usedCount() const
{
    return static_cast<int>(
        std::count_if(m_cells.begin(), m_cells.end(), [](const Cell& c) { return c.colour != FREE_COLOUR; }));
}
