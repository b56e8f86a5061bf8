#include "indexed/index_scheme.h"

std::string withNumber(std::string_view text, std::int64_t number)
{
    std::string result(text);
    result += std::to_string(number);
    return result;
}

bool IndexScheme::isBlockIndexed(int block) const
{
    return block >= 0 && block < BlockDisk::BLOCKS && indexedBlocks().test(static_cast<std::size_t>(block));
}

std::optional<std::int16_t> IndexScheme::drawFreeBlock(Share& share) const
{
    const auto held = indexedBlocks();
    if (held.all())
        return std::nullopt;
    for (int draw = 0; draw < MAX_DRAWS; ++draw) {
        const std::int16_t block = share.randomBlock();
        if (!held.test(static_cast<std::size_t>(block)))
            return block;
    }
    for (std::int16_t block = 0; block < BlockDisk::BLOCKS; ++block) {
        if (!held.test(static_cast<std::size_t>(block)))
            return block;
    }
    return std::nullopt;
}
