#include "indexed/index_scheme.h"

std::int16_t IndexScheme::heldAt(const FileRecord& file, int position)
{
    if (position < 0 || position >= static_cast<int>(file.blocks.size()))
        return NO_BLOCK;
    return static_cast<std::int16_t>(file.blocks[static_cast<std::size_t>(position)].block);
}

std::vector<int> IndexScheme::blocksIn(const FileRecord& file, BlockRole role)
{
    std::vector<int> blocks;
    for (const HeldBlock& b : file.blocks) {
        if (b.role == role)
            blocks.push_back(b.block);
    }
    return blocks;
}
