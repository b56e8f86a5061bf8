#include "indexed/index_scheme.h"

std::int16_t IndexScheme::heldAt(const FileRecord& file, int position)
{
    if (position < 0 || position >= static_cast<int>(file.blocks.size()))
        return NO_BLOCK;
    return static_cast<std::int16_t>(file.blocks[static_cast<std::size_t>(position)].block);
}
