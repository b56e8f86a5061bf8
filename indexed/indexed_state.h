#pragma once

#include <cstdint>
#include <string>

// The indexed screen object's own variables, which outlive its window: a load leaves them as they
// were, and Clear sets only fileCount back to 0. Every value stays within 16 bits; Add refuses
// what would not.
struct IndexedState {
    std::int32_t fileCount = 0;  // file numbers handed out; the current file is fileCount - 1
    std::string fileName;
    std::int32_t fileLength = 0;
    std::int32_t totalBlocks = 0;  // the scheme's count, from which the placing presses are counted
    std::int32_t blocksToGo = 0;
    std::int32_t currentBlock = 0;
};
