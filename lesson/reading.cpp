#include "lesson/reading.h"

#include "core/messages.h"

#include <algorithm>

namespace {

constexpr int LINKED_INDEX_ENTRIES = 7;  // data blocks named by one index block
constexpr int SECOND_LEVEL_ENTRIES = 8;

bool isIndex(const HeldBlock& b) { return b.role != BlockRole::Data; }

std::vector<int> indexBlocksOf(const FileRecord& file, BlockRole role)
{
    std::vector<int> blocks;
    for (const HeldBlock& b : file.blocks) {
        if (b.role == role)
            blocks.push_back(b.block);
    }
    return blocks;
}

}  // namespace

std::vector<int> dataBlocksOf(const FileRecord& file)
{
    std::vector<int> blocks;
    for (const HeldBlock& b : file.blocks) {
        if (!isIndex(b))
            blocks.push_back(b.block);
    }
    return blocks;
}

std::optional<ReadPath> readBlock(ScreenId screen, const FileRecord& file, int k)
{
    const std::vector<int> data = dataBlocksOf(file);
    if (k < 0 || k >= static_cast<int>(data.size()))
        return std::nullopt;
    const auto at = static_cast<std::size_t>(k);
    ReadPath path;
    switch (screen) {
    case ScreenId::Contiguous: path.blocks = {data[at]}; break;
    case ScreenId::Linked: path.blocks.assign(data.begin(), data.begin() + k + 1); break;
    case ScreenId::IndexedL: {
        // Each index block names the next, so every one up to the block's own is read.
        const std::vector<int> index = indexBlocksOf(file, BlockRole::Index);
        const auto group = static_cast<std::size_t>(k / LINKED_INDEX_ENTRIES);
        if (group >= index.size())
            return std::nullopt;
        path.blocks.assign(index.begin(), index.begin() + static_cast<std::ptrdiff_t>(group) + 1);
        path.blocks.push_back(data[at]);
        break;
    }
    case ScreenId::IndexedM: {
        const std::vector<int> first = indexBlocksOf(file, BlockRole::FirstLevelIndex);
        const std::vector<int> second = indexBlocksOf(file, BlockRole::Index);
        const auto group = static_cast<std::size_t>(k / SECOND_LEVEL_ENTRIES);
        if (first.empty() || group >= second.size())
            return std::nullopt;
        path.blocks = {first.front(), second[group], data[at]};
        break;
    }
    }
    return path;
}

WholeRead readWholeFile(const FileRecord& file)
{
    // A reader meets the blocks in the order the file keeps them: an index block before the data it
    // names, the next index block after them.
    WholeRead read;
    for (const HeldBlock& b : file.blocks) {
        if (!read.blocks.empty() && b.block != read.blocks.back() + 1)
            ++read.jumps;
        read.blocks.push_back(b.block);
    }
    return read;
}

std::string holdingNote(ScreenId screen, const FileRecord& file)
{
    const auto held = static_cast<std::int64_t>(dataBlocksOf(file).size());
    const std::string blocks = held == 1 ? " block" : " blocks";
    if (!file.complete)
        return withNumber("Still being placed: answered from the ", held) + blocks + " placed so far.";
    if (file.cutShort)
        return withNumber("Its chain was cut short on a full disk: it holds ", held)
            + withNumber(" of its ", file.typedLength) + " blocks.";
    if (file.typedLength <= 0) {
        if (screen == ScreenId::Linked)
            return withNumber("Listed with a length of ", file.typedLength) + ": it holds its start block only.";
        return withNumber("Listed with a length of ", file.typedLength) + ": it holds no data block.";
    }
    return {};
}

std::string readPathText(const std::vector<int>& blocks)
{
    std::string text = withNumber("", static_cast<std::int64_t>(blocks.size()))
        + (blocks.size() == 1 ? " disk read" : " disk reads");
    for (std::size_t i = 0; i < blocks.size(); ++i)
        text += (i == 0 ? ": " : ", ") + std::to_string(blocks[i]);
    return text;
}
