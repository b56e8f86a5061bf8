#include "core/messages.h"
#include "indexed/index_scheme.h"

namespace {

constexpr int NAMED = 8;  // blocks named by one index block
constexpr int GROUP = NAMED + 1;

}  // namespace

std::int32_t MultilevelIndexScheme::stepCount(std::int32_t length) { return length / NAMED + length; }

std::int32_t MultilevelIndexScheme::secondLevelCount(std::int32_t length)
{
    return length / NAMED + (length % NAMED != 0 ? 1 : 0);
}

std::int32_t MultilevelIndexScheme::blocksNeeded(std::int32_t length)
{
    return length >= 1 ? 1 + secondLevelCount(length) + length : 1;
}

Reservation MultilevelIndexScheme::add(std::int32_t length) const
{
    Placement first{0, 0, 0, "1st", GroupRow{"0", ".Firs Level", std::to_string(secondLevelCount(length))}, false,
        BlockRole::FirstLevelIndex};
    return {stepCount(length), blocksNeeded(length), first};
}

std::optional<Placement> MultilevelIndexScheme::nextBlock(const IndexedState& state) const
{
    const std::int32_t total = state.totalBlocks;
    const std::int32_t toGo = state.blocksToGo;
    if (!((total % GROUP != 0 || toGo != 0) && toGo >= 0))
        return std::nullopt;
    const std::int32_t n = total - toGo;
    const int group = n / GROUP + 1;
    Placement at{group, n % GROUP, n / GROUP, std::to_string(n % GROUP), std::nullopt, false, BlockRole::Data};
    if (at.slot == 0) {
        at.newColour = true;
        at.role = BlockRole::Index;
        at.row = GroupRow{std::to_string(group), withNumber(".", (state.fileLength - toGo) / NAMED + 1),
            toGo > NAMED ? std::to_string(NAMED) : std::to_string(toGo)};
    }
    return at;
}

std::int16_t MultilevelIndexScheme::entry(const FileRecord& file, int ordinal, int slot) const
{
    // The first-level block comes first, then each second-level group of nine.
    if (ordinal == 0)
        return slot == 0 ? heldAt(file, 0) : NO_BLOCK;
    if (ordinal < 0 || ordinal > NAMED || slot < 0 || slot >= GROUP)
        return NO_BLOCK;
    return heldAt(file, 1 + (ordinal - 1) * GROUP + slot);
}

IndexView MultilevelIndexScheme::indexView(const FileRecord& file, int ordinal) const
{
    IndexView view{withNumber("BLock Index  ", entry(file, ordinal, 0)), {}};
    for (int k = 1; k <= NAMED; ++k) {
        // A first-level row names the second-level blocks; a second-level row its data blocks.
        view.entries.push_back(std::to_string(ordinal == 0 ? entry(file, k, 0) : entry(file, ordinal, k)));
    }
    return view;
}

std::optional<std::vector<int>> MultilevelIndexScheme::readPath(const FileRecord& file, int k) const
{
    const std::vector<int> data = blocksIn(file, BlockRole::Data);
    const std::vector<int> first = blocksIn(file, BlockRole::FirstLevelIndex);
    const std::vector<int> second = blocksIn(file, BlockRole::Index);
    if (k < 0 || k >= static_cast<int>(data.size()) || first.empty() || k / NAMED >= static_cast<int>(second.size()))
        return std::nullopt;
    return std::vector<int>{first.front(), second[static_cast<std::size_t>(k / NAMED)], data[static_cast<std::size_t>(k)]};
}

int MultilevelIndexScheme::dataPerIndexBlock() const { return NAMED; }
