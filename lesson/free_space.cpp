#include "lesson/free_space.h"

#include <algorithm>

FreeSpace freeSpaceOf(const BlockDisk& disk)
{
    FreeSpace space;
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        const bool free = disk.isFree(b);
        space.bitmap[static_cast<std::size_t>(b / BlockDisk::COLUMNS)] += free ? '0' : '1';
        if (!free)
            continue;
        ++space.freeBlocks;
        if (!space.runs.empty() && space.runs.back().start + space.runs.back().length == b)
            ++space.runs.back().length;
        else
            space.runs.push_back({b, 1});
        space.largestRun = std::max(space.largestRun, space.runs.back().length);
    }
    return space;
}

std::string freeRunsText(const std::vector<FreeRun>& runs)
{
    if (runs.empty())
        return "none";
    std::string text;
    for (const FreeRun& run : runs) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(run.start) + "-" + std::to_string(run.start + run.length - 1) + " ("
            + std::to_string(run.length) + ")";
    }
    return text;
}
