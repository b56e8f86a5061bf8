#pragma once

#include "core/file_record.h"
#include "core/screen_table.h"
#include "indexed/indexed_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    int ordinal = 0;        // the index group: the table's middle index
    int slot = 0;           // and its last
    int tracedOrdinal = 0;  // the middle index as the trace writes it
    std::string text;       // shown in the block's cell
    std::optional<GroupRow> row;
    bool newColour = false;  // the group draws a colour of its own
    BlockRole role = BlockRole::Data;
};

// What Add learns from the scheme about a file of a given length.
struct Reservation {
    std::int32_t totalBlocks = 0;
    std::int32_t blocksNeeded = 0;        // the blocks that the file will take, for the space check
    std::optional<Placement> firstBlock;  // placed by Add itself
};

// The allocation rule behind an indexed screen: the counts and layout of Add and Next Block, and
// what a directory row's index holds. A file's blocks are kept in the order they were placed,
// which is the order a reader meets them; the scheme says which entry [ordinal][slot] of the
// file's index table each one is. Lengths given here lie within 16 bits.
class IndexScheme {
public:
    static constexpr std::int16_t NO_BLOCK = -1;

    virtual ~IndexScheme() = default;

    // Screen::IndexedL or Screen::IndexedM.
    ScreenId screen() const { return m_screen; }
    // Whether cell texts are drawn in the complement of the block's colour.
    bool complementaryText() const { return m_complementaryText; }

    virtual Reservation add(std::int32_t length) const = 0;
    // The block that this press places, or nothing when the press ends the placement.
    virtual std::optional<Placement> nextBlock(const IndexedState& state) const = 0;
    // The block in entry [ordinal][slot] of the file's index table, NO_BLOCK where it holds none.
    virtual std::int16_t entry(const FileRecord& file, int ordinal, int slot) const = 0;
    // The view of the file's index group `ordinal`: the "I" of its directory row.
    virtual IndexView indexView(const FileRecord& file, int ordinal) const = 0;
    // The blocks read to reach data block k of the file: the index blocks that lead to it, then it.
    virtual std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const = 0;
    // Data blocks named by one index block (the linked scheme) or one second-level block.
    virtual int dataPerIndexBlock() const = 0;

protected:
    IndexScheme(ScreenId screen, bool complementaryText) : m_screen(screen), m_complementaryText(complementaryText) {}
    // The block placed at `position` of the file, NO_BLOCK beyond what it holds.
    static std::int16_t heldAt(const FileRecord& file, int position);
    // The blocks of the file in that role, in the order held.
    static std::vector<int> blocksIn(const FileRecord& file, BlockRole role);

private:
    ScreenId m_screen;
    bool m_complementaryText;
};

// The rule of Indexed_L: a file of L data blocks gets a chain of index blocks of seven data blocks
// each, placed one per press: index block 0, its data blocks, index block 1, ... Each index block
// starts a colour and a directory row. Add places nothing.
class LinkedIndexScheme final : public IndexScheme {
public:
    LinkedIndexScheme() : IndexScheme(ScreenId::IndexedL, false) {}
    // T = trunc(L / 7) + L, plus 1 unless 7 divides L: L + ceil(L / 7) for L >= 0, 8 -> 10.
    static std::int32_t blockCount(std::int32_t length);

    Reservation add(std::int32_t length) const override;
    std::optional<Placement> nextBlock(const IndexedState& state) const override;
    // Ordinal j is the file's j-th index block: slot 0 the block itself, 1..7 its data blocks.
    std::int16_t entry(const FileRecord& file, int ordinal, int slot) const override;
    IndexView indexView(const FileRecord& file, int ordinal) const override;
    // Each index block names the next, so every one up to the block's own is read.
    std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const override;
    int dataPerIndexBlock() const override;
};

// The rule of Indexed_M: Add places the first-level index block ("1st") in Add's colour; then one
// block per press, second-level block 1, its eight data blocks, second-level block 2, ... each
// second-level group in a colour of its own.
class MultilevelIndexScheme final : public IndexScheme {
public:
    MultilevelIndexScheme() : IndexScheme(ScreenId::IndexedM, true) {}
    // T = trunc(L / 8) + L, from which the presses are counted: 8 -> 9, 57 -> 64.
    static std::int32_t stepCount(std::int32_t length);
    // S as the first-level row shows it: trunc(L / 8), plus 1 unless 8 divides L; -8 gives -1.
    static std::int32_t secondLevelCount(std::int32_t length);
    // N, the blocks that the file takes: 1 + S + L, or 1 for L <= 0.
    static std::int32_t blocksNeeded(std::int32_t length);

    Reservation add(std::int32_t length) const override;
    // Placing while (T mod 9 <> 0 or blocksToGo <> 0) and blocksToGo >= 0.
    std::optional<Placement> nextBlock(const IndexedState& state) const override;
    // Ordinal 0 is the first-level block (slot 0 only); ordinals 1..8 the second-level blocks, each
    // itself in slot 0 and its data blocks in 1..8.
    std::int16_t entry(const FileRecord& file, int ordinal, int slot) const override;
    IndexView indexView(const FileRecord& file, int ordinal) const override;
    // The first-level block, the second-level block that names block k, then the block.
    std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const override;
    int dataPerIndexBlock() const override;
};
