#pragma once

#include "core/block_disk.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <stdexcept>

// The block numbers of each file's index entries, [file][ordinal][slot], with NO_BLOCK where an
// entry holds none. Keyed by file number, so that every number the screen can hand out has its row,
// and reset and search see all of them.
template <int Ordinals, int Slots> class IndexTable {
public:
    static constexpr std::int16_t NO_BLOCK = -1;
    static constexpr int ORDINALS = Ordinals;
    static constexpr int SLOTS = Slots;
    using Entries = std::array<std::array<std::int16_t, Slots>, Ordinals>;

    // Every entry of every file number back to NO_BLOCK.
    void reset() { m_files.clear(); }

    // NO_BLOCK for any file, ordinal or slot that holds nothing, in the table or beyond it.
    std::int16_t at(std::int32_t file, int ordinal, int slot) const
    {
        const auto it = m_files.find(file);
        if (it == m_files.end() || ordinal < 0 || ordinal >= Ordinals || slot < 0 || slot >= Slots)
            return NO_BLOCK;
        return it->second[static_cast<std::size_t>(ordinal)][static_cast<std::size_t>(slot)];
    }

    // Ordinals and slots beyond the table are a programming error and throw std::out_of_range.
    void set(std::int32_t file, int ordinal, int slot, std::int16_t block)
    {
        if (ordinal < 0 || ordinal >= Ordinals || slot < 0 || slot >= Slots)
            throw std::out_of_range("no such index entry");
        auto [it, added] = m_files.try_emplace(file);
        if (added) {
            for (auto& entries : it->second)
                entries.fill(NO_BLOCK);
        }
        it->second[static_cast<std::size_t>(ordinal)][static_cast<std::size_t>(slot)] = block;
    }

    // The blocks that some entry of some file holds.
    std::bitset<BlockDisk::BLOCKS> heldBlocks() const
    {
        std::bitset<BlockDisk::BLOCKS> held;
        for (const auto& [file, entries] : m_files) {
            for (const auto& ordinal : entries) {
                for (const std::int16_t block : ordinal) {
                    if (block >= 0 && block < BlockDisk::BLOCKS)
                        held.set(static_cast<std::size_t>(block));
                }
            }
        }
        return held;
    }

    // The files that hold at least one entry, by number.
    const std::map<std::int32_t, Entries>& files() const { return m_files; }

private:
    std::map<std::int32_t, Entries> m_files;
};

// Indexed_L: [file][ordinal][slot]. Ordinals 0..7 are the file's chain of index blocks; 8 stays
// empty, so that the last one's next index reads -1. Slot 0 is the index block itself, 1..7 its
// data blocks.
using LinkedIndexTable = IndexTable<9, 8>;

// Indexed_M: [file][level][slot]. Level 0 is the first-level index block (slot 0 only), levels 1..8
// the second-level index blocks, each itself in slot 0 and its data blocks in 1..8.
using MultilevelIndexTable = IndexTable<9, 9>;
