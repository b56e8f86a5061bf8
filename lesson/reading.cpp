#include "lesson/reading.h"

#include "core/messages.h"
#include "indexed/indexed_screen.h"

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

std::string fileName(const FileRecord& file)
{
    std::string name = "file \"" + file.name + "\"";
    if (file.number)
        name += " (file " + std::to_string(*file.number) + ")";
    return name;
}

std::string andListed(const std::vector<int>& blocks)
{
    std::string text;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        text += (i == 0 ? "" : i + 1 == blocks.size() ? " and " : ", ") + std::to_string(blocks[i]);
    return text;
}

std::string readingWorking(const Screen& screen, const FileRecord& file, int k, const std::vector<int>& path)
{
    // What the blocks read before block k are to the file.
    std::vector<int> firstLevel, index, chain;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const auto held = std::find_if(
            file.blocks.begin(), file.blocks.end(), [&](const HeldBlock& b) { return b.block == path[i]; });
        const BlockRole role = held != file.blocks.end() ? held->role : BlockRole::Data;
        (role == BlockRole::FirstLevelIndex ? firstLevel : role == BlockRole::Index ? index : chain).push_back(path[i]);
    }
    const std::string target = path.empty() ? "" : std::to_string(path.back());
    std::string how = "Block " + std::to_string(k) + " of " + fileName(file);
    if (firstLevel.empty() && index.empty() && chain.empty()) {
        how += " is disk block ";
        if (factsOf(screen.id()).oneRun && file.start)
            how += std::to_string(*file.start) + " + " + std::to_string(k) + " = ";
        how += target + ", read at once";
    } else {
        std::vector<std::string> through;
        if (!firstLevel.empty())
            through.push_back("the first-level block " + andListed(firstLevel));
        if (!index.empty()) {
            std::string kind = firstLevel.empty() ? "index block" : "the second-level block";
            through.push_back(kind + (index.size() == 1 ? " " : "s ") + andListed(index));
            const auto* indexed = dynamic_cast<const IndexedScreen*>(&screen);
            if (firstLevel.empty() && indexed != nullptr)
                through.back() += " (" + std::to_string(k) + " div "
                    + std::to_string(indexed->scheme().dataPerIndexBlock()) + " + 1 = " + std::to_string(index.size())
                    + (index.size() == 1 ? " of it)" : " of them)");
        }
        if (!chain.empty())
            through.push_back("the " + std::to_string(chain.size()) + (chain.size() == 1 ? " block" : " blocks")
                + " before it in the chain, each naming the next, from the start block "
                + std::to_string(chain.front()));
        how += " is reached through " + through.front() + (through.size() > 1 ? " and " + through.back() : "")
            + ", then the block itself, disk block " + target;
    }
    return std::string(factsOf(screen.id()).readRule) + " " + how + ": " + readPathText(path) + ".";
}
