#include "core/block_disk.h"
#include "core/messages.h"
#include "indexed/index_scheme.h"

#include <algorithm>

namespace {

constexpr int DATA_SLOTS = 7;
constexpr int SLOTS = DATA_SLOTS + 1;

}  // namespace

std::int32_t LinkedIndexScheme::blockCount(std::int32_t length)
{
    return length / DATA_SLOTS + length + (length % DATA_SLOTS != 0 ? 1 : 0);
}

Reservation LinkedIndexScheme::add(std::int32_t length) const
{
    const std::int32_t total = blockCount(length);
    return {total, std::max(total, 0), std::nullopt};
}

std::optional<Placement> LinkedIndexScheme::nextBlock(const IndexedState& state) const
{
    // Below 0 as at 0: a negative count would otherwise never come down to 0.
    const std::int32_t toGo = state.blocksToGo;
    if (toGo <= 0)
        return std::nullopt;
    const std::int32_t n = state.totalBlocks - toGo;
    Placement at{n / SLOTS, n % SLOTS, n / SLOTS, std::to_string(n % SLOTS), std::nullopt, false, BlockRole::Data};
    if (at.slot == 0) {
        at.newColour = true;
        at.role = BlockRole::Index;
        at.row = GroupRow{std::to_string(at.ordinal), withNumber(".", (state.fileLength - toGo) / DATA_SLOTS + 1),
            toGo > DATA_SLOTS ? std::to_string(DATA_SLOTS) : std::to_string(toGo - 1)};
    }
    return at;
}

std::int16_t LinkedIndexScheme::entry(const FileRecord& file, int ordinal, int slot) const
{
    // A file never has more index blocks than the disk has blocks.
    if (ordinal < 0 || ordinal >= BlockDisk::BLOCKS || slot < 0 || slot >= SLOTS)
        return NO_BLOCK;
    return heldAt(file, ordinal * SLOTS + slot);
}

IndexView LinkedIndexScheme::indexView(const FileRecord& file, int ordinal) const
{
    IndexView view{withNumber("BLock Index  ", entry(file, ordinal, 0)), {}};
    for (int slot = 1; slot <= DATA_SLOTS; ++slot)
        view.entries.push_back(std::to_string(entry(file, ordinal, slot)));
    const int next = ordinal >= 0 && ordinal < BlockDisk::BLOCKS ? ordinal + 1 : -1;
    view.entries.push_back(std::to_string(entry(file, next, 0)) + " is the Next Index ");
    return view;
}

std::optional<std::vector<int>> LinkedIndexScheme::readPath(const FileRecord& file, int k) const
{
    const std::vector<int> data = blocksIn(file, BlockRole::Data);
    const std::vector<int> index = blocksIn(file, BlockRole::Index);
    if (k < 0 || k >= static_cast<int>(data.size()) || k / DATA_SLOTS >= static_cast<int>(index.size()))
        return std::nullopt;
    std::vector<int> path(index.begin(), index.begin() + k / DATA_SLOTS + 1);
    path.push_back(data[static_cast<std::size_t>(k)]);
    return path;
}

int LinkedIndexScheme::dataPerIndexBlock() const { return DATA_SLOTS; }
