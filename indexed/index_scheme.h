#pragma once

#include "core/block_disk.h"
#include "core/screen.h"
#include "core/share.h"
#include "indexed/index_table.h"
#include "indexed/indexed_state.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text followed directly by a number in decimal, as captions that carry a count are written.
std::string withNumber(std::string_view text, std::int64_t number);

// What a clicked directory row shows in the index list: a header and the entries in order.
struct IndexView {
    std::string header;
    std::vector<std::string> entries;

    friend bool operator==(const IndexView&, const IndexView&) = default;
};

// The directory row of a block that heads an index group: the "I" cell, what follows the file name
// in "File", and "Blocks". The screen fills in "F" and "Block Index".
struct GroupRow {
    std::string index;
    std::string fileSuffix;
    std::string blocks;
};

// Where one block goes, as the scheme lays it out; the screen chooses the block and places it.
struct Placement {
    int ordinal = 0;        // the table's middle index
    int slot = 0;           // and its last
    int tracedOrdinal = 0;  // the middle index as the trace writes it
    std::string text;       // shown in the block's cell
    std::optional<GroupRow> row;
    bool newColour = false;  // the group draws a colour of its own
};

// What Add learns from the scheme about a file of a given length.
struct Reservation {
    std::int32_t totalBlocks = 0;
    std::int32_t blocksNeeded = 0;        // the blocks that the file will take, for the space check
    std::optional<Placement> firstBlock;  // placed by Add itself
};

// The allocation rule behind an indexed screen: its table, the counts and layout of Add and Next
// Block, and what a directory row's index holds. Lengths given here lie within 16 bits.
class IndexScheme {
public:
    enum class CellText { Plain, Complementary };

    IndexScheme(Screen screen, CellText cellText) : m_screen(screen), m_cellText(cellText) {}
    virtual ~IndexScheme() = default;

    // The screen that runs this scheme: Screen::IndexedL or Screen::IndexedM.
    Screen screen() const { return m_screen; }
    // Whether cell texts are drawn in the complement of the block's colour.
    bool complementaryText() const { return m_cellText == CellText::Complementary; }

    virtual void resetIndexTable() = 0;
    virtual std::bitset<BlockDisk::BLOCKS> indexedBlocks() const = 0;
    bool isBlockIndexed(int block) const;

    virtual Reservation add(std::int32_t length) const = 0;
    // The block that this press places, or nothing when the press ends the placement.
    virtual std::optional<Placement> nextBlock(const IndexedState& state) const = 0;
    virtual void record(std::int32_t file, const Placement& placement, std::int16_t block) = 0;
    // The view of the row whose "F" and "I" cells read file and ordinal.
    virtual IndexView indexView(std::int32_t file, int ordinal) const = 0;

    // RandomBlock until a block that no entry holds comes up. Nothing when every block is held.
    // A stream that keeps missing the free blocks gives up after MAX_DRAWS and takes the lowest.
    std::optional<std::int16_t> drawFreeBlock(Share& share) const;
    static constexpr int MAX_DRAWS = 4096;

private:
    Screen m_screen;
    CellText m_cellText;
};

// A scheme over one table type.
template <typename Table> class TabledIndexScheme : public IndexScheme {
public:
    using IndexScheme::IndexScheme;

    void resetIndexTable() override { m_table.reset(); }
    std::bitset<BlockDisk::BLOCKS> indexedBlocks() const override { return m_table.heldBlocks(); }
    void record(std::int32_t file, const Placement& placement, std::int16_t block) override
    {
        m_table.set(file, placement.ordinal, placement.slot, block);
    }
    const Table& table() const { return m_table; }

protected:
    Table m_table;
};

// The rule of Indexed_L: a file of L data blocks gets a chain of index blocks of seven data blocks
// each, placed one per press: index block 0, its data blocks, index block 1, ... Each index block
// starts a colour and a directory row. Add places nothing.
class LinkedIndexScheme final : public TabledIndexScheme<LinkedIndexTable> {
public:
    LinkedIndexScheme() : TabledIndexScheme(Screen::IndexedL, CellText::Plain) {}
    // T = trunc(L / 7) + L, plus 1 unless 7 divides L: L + ceil(L / 7) for L >= 0, 8 -> 10.
    static std::int32_t blockCount(std::int32_t length);

    Reservation add(std::int32_t length) const override;
    std::optional<Placement> nextBlock(const IndexedState& state) const override;
    IndexView indexView(std::int32_t file, int ordinal) const override;
};

// The rule of Indexed_M: Add places the first-level index block ("1st") in Add's colour; then one
// block per press, second-level block 1, its eight data blocks, second-level block 2, ... each
// second-level group in a colour of its own.
class MultilevelIndexScheme final : public TabledIndexScheme<MultilevelIndexTable> {
public:
    MultilevelIndexScheme() : TabledIndexScheme(Screen::IndexedM, CellText::Complementary) {}
    // T = trunc(L / 8) + L, from which the presses are counted: 8 -> 9, 57 -> 64.
    static std::int32_t stepCount(std::int32_t length);
    // S as the first-level row shows it: trunc(L / 8), plus 1 unless 8 divides L; -8 gives -1.
    static std::int32_t secondLevelCount(std::int32_t length);
    // N, the blocks that the file takes: 1 + S + L, or 1 for L <= 0.
    static std::int32_t blocksNeeded(std::int32_t length);

    Reservation add(std::int32_t length) const override;
    // Placing while (T mod 9 <> 0 or blocksToGo <> 0) and blocksToGo >= 0.
    std::optional<Placement> nextBlock(const IndexedState& state) const override;
    IndexView indexView(std::int32_t file, int ordinal) const override;
};
