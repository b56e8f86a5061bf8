#include "indexed/index_scheme.h"

#include <algorithm>

namespace {

constexpr int DATA_SLOTS = 7;

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
    Placement at{n / 8, n % 8, n / 8, std::to_string(n % 8), std::nullopt, false};
    if (at.slot == 0) {
        at.newColour = true;
        at.row = GroupRow{std::to_string(at.ordinal), withNumber(".", (state.fileLength - toGo) / DATA_SLOTS + 1),
            toGo > DATA_SLOTS ? std::to_string(DATA_SLOTS) : std::to_string(toGo - 1)};
    }
    return at;
}

IndexView LinkedIndexScheme::indexView(std::int32_t file, int ordinal) const
{
    IndexView view{withNumber("BLock Index  ", m_table.at(file, ordinal, 0)), {}};
    for (int slot = 1; slot <= DATA_SLOTS; ++slot)
        view.entries.push_back(std::to_string(m_table.at(file, ordinal, slot)));
    const int next = ordinal >= 0 && ordinal < LinkedIndexTable::ORDINALS ? ordinal + 1 : -1;
    view.entries.push_back(std::to_string(m_table.at(file, next, 0)) + " is the Next Index ");
    return view;
}
