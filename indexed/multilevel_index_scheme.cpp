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
    Placement first{0, 0, 0, "1st", GroupRow{"0", ".Firs Level", std::to_string(secondLevelCount(length))}, false};
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
    Placement at{group, n % GROUP, n / GROUP, std::to_string(n % GROUP), std::nullopt, false};
    if (at.slot == 0) {
        at.newColour = true;
        at.row = GroupRow{std::to_string(group), withNumber(".", (state.fileLength - toGo) / NAMED + 1),
            toGo > NAMED ? std::to_string(NAMED) : std::to_string(toGo)};
    }
    return at;
}

IndexView MultilevelIndexScheme::indexView(std::int32_t file, int ordinal) const
{
    IndexView view{withNumber("BLock Index  ", m_table.at(file, ordinal, 0)), {}};
    for (int k = 1; k <= NAMED; ++k) {
        // A first-level row names the second-level blocks; a second-level row its data blocks.
        const std::int16_t entry = ordinal == 0 ? m_table.at(file, k, 0) : m_table.at(file, ordinal, k);
        view.entries.push_back(std::to_string(entry));
    }
    return view;
}
