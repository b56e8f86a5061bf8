#include "lesson/reading.h"

#include "core/messages.h"

#include <algorithm>

namespace {

bool isIndex(const HeldBlock& b) { return b.role != BlockRole::Data; }

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

std::optional<ReadPath> readBlock(const Screen& screen, const FileRecord& file, int k)
{
    auto blocks = screen.readPath(file, k);
    if (!blocks)
        return std::nullopt;
    return ReadPath{std::move(*blocks)};
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

std::string holdingNote(const FileRecord& file)
{
    const auto held = static_cast<std::int64_t>(dataBlocksOf(file).size());
    const std::string blocks = held == 1 ? " block" : " blocks";
    if (!file.complete)
        return withNumber("Still being placed: answered from the ", held) + blocks + " placed so far.";
    if (file.cutShort)
        return withNumber("Its chain was cut short on a full disk: it holds ", held)
            + withNumber(" of its ", file.typedLength) + " blocks.";
    if (file.typedLength <= 0) {
        if (held > 0)
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
