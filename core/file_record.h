#pragma once

#include "core/colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a block is to the file that holds it.
enum class BlockRole {
    Data,
    Index,            // names data blocks (and, on the linked index scheme, the next index block)
    FirstLevelIndex,  // names the second-level index blocks, on the multilevel scheme
};

struct HeldBlock {
    int block = 0;
    BlockRole role = BlockRole::Data;

    friend bool operator==(const HeldBlock&, const HeldBlock&) = default;
};

// A file as the screen that placed it knows it.
struct FileRecord {
    std::string name;                  // as typed, blanks and all
    ColourValue colour = FREE_COLOUR;  // of its directory row (the first, where it has several)
    std::optional<int> number;         // the file number, on the indexed screens
    std::optional<int> start;          // the start block, on the screens that take one
    std::int32_t typedLength = 0;      // as read from the field
    // The data blocks the file counts for, as the screen accounts for it: what the linked screen's
    // usage adds up (at least 1, fewer for a chain cut short), the data blocks otherwise.
    std::int32_t countedLength = 0;
    // In the order a reader meets them, index blocks before the data blocks that they name. A file
    // being placed holds the blocks drawn so far.
    std::vector<HeldBlock> blocks;
    bool complete = true;   // false while Next Block is still placing it
    bool cutShort = false;  // its chain ended early on a full disk

    friend bool operator==(const FileRecord&, const FileRecord&) = default;
};
