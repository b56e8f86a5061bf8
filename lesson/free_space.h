#pragma once

#include "core/block_disk.h"

#include <array>
#include <string>
#include <vector>

// Where a disk's free space lies: the free-block map as textbooks draw a bit vector (1 used, 0
// free, 8 rows of 8), the runs of free blocks in block order, and what they allow.
struct FreeRun {
    int start = 0;
    int length = 0;

    friend bool operator==(const FreeRun&, const FreeRun&) = default;
};

struct FreeSpace {
    std::array<std::string, BlockDisk::BLOCKS / BlockDisk::COLUMNS> bitmap;  // "11000000", row by row
    std::vector<FreeRun> runs;
    int freeBlocks = 0;
    // The longest run: on the contiguous screen, the largest file that Add can still place.
    int largestRun = 0;
};

FreeSpace freeSpaceOf(const BlockDisk& disk);

// "0-3 (4), 10-10 (1)": each run as start-end (length), in block order; "none" when none is free.
std::string freeRunsText(const std::vector<FreeRun>& runs);
