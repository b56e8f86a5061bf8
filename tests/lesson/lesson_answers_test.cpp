#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "lesson/screens.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A file as a screen would record it: blocks given as numbers, index blocks marked with a role.
FileRecord fileOf(std::initializer_list<HeldBlock> blocks, int length)
{
    FileRecord file;
    file.name = "f";
    file.typedLength = length;
    file.countedLength = length;
    file.blocks = blocks;
    return file;
}

HeldBlock data(int b) { return {b, BlockRole::Data}; }
HeldBlock index(int b) { return {b, BlockRole::Index}; }

// A file of `length` data blocks numbered from `firstData`, one index block (from `indexBlocks`)
// ahead of every `perIndex` of them, and a first-level block ahead of all where there is one.
FileRecord indexedFile(int length, int perIndex, std::vector<int> indexBlocks, int firstData, int firstLevel = -1)
{
    FileRecord file = fileOf({}, length);
    if (firstLevel >= 0)
        file.blocks.push_back({firstLevel, BlockRole::FirstLevelIndex});
    for (int k = 0; k < length; ++k) {
        if (k % perIndex == 0)
            file.blocks.push_back(index(indexBlocks.at(static_cast<std::size_t>(k / perIndex))));
        file.blocks.push_back(data(firstData + k));
    }
    return file;
}

// A screen object of each method, whose read paths answer for any file.
const Screen& screenOf(ScreenId id)
{
    static ProgramRandomStream stream;
    static Share share(stream);
    static std::map<ScreenId, std::unique_ptr<Screen>> screens;
    auto& screen = screens[id];
    if (!screen)
        screen = makeScreen(id, share);
    return *screen;
}

struct ReadCase {
    const char* what;
    ScreenId screen;
    FileRecord file;
    int k;
    std::string path;  // "" when the file holds no block k
};

}  // namespace

TEST(LessonReading, HowManyReadsReachABlockUnderEachMethod)
{
    const FileRecord contiguous = fileOf({data(10), data(11), data(12), data(13), data(14)}, 5);
    const FileRecord chain = fileOf({data(9), data(33), data(2), data(3), data(50)}, 5);
    // A 20-block file on the linked index scheme: index blocks 60, 54 and 17, seven blocks each.
    const FileRecord linkedIndex = indexedFile(20, 7, {60, 54, 17}, 0);
    // The same file under the two-level index: first-level 63, second-level 40, 41, 42.
    const FileRecord multilevel = indexedFile(20, 8, {40, 41, 42}, 0, 63);
    const std::vector<ReadCase> cases{
        {"contiguous, the first block", ScreenId::Contiguous, contiguous, 0, "1 disk read: 10"},
        {"contiguous, the last", ScreenId::Contiguous, contiguous, 4, "1 disk read: 14"},
        {"contiguous, past the end", ScreenId::Contiguous, contiguous, 5, ""},
        {"linked, the start", ScreenId::Linked, chain, 0, "1 disk read: 9"},
        {"linked, the chain followed", ScreenId::Linked, chain, 3, "4 disk reads: 9, 33, 2, 3"},
        {"linked index, block 0", ScreenId::IndexedL, linkedIndex, 0, "2 disk reads: 60, 0"},
        {"linked index, the seventh", ScreenId::IndexedL, linkedIndex, 6, "2 disk reads: 60, 6"},
        {"linked index, block 15: three index blocks", ScreenId::IndexedL, linkedIndex, 15,
            "4 disk reads: 60, 54, 17, 15"},
        {"multilevel, block 0", ScreenId::IndexedM, multilevel, 0, "3 disk reads: 63, 40, 0"},
        {"multilevel, block 15", ScreenId::IndexedM, multilevel, 15, "3 disk reads: 63, 41, 15"},
        {"multilevel, block 16", ScreenId::IndexedM, multilevel, 16, "3 disk reads: 63, 42, 16"},
        {"multilevel, a negative block", ScreenId::IndexedM, multilevel, -1, ""},
        {"a file that holds nothing", ScreenId::IndexedL, fileOf({}, 0), 0, ""},
    };
    for (const ReadCase& c : cases) {
        const auto path = readBlock(screenOf(c.screen), c.file, c.k);
        EXPECT_EQ(path ? readPathText(path->blocks) : "", c.path) << c.what;
    }
}

TEST(LessonReading, ReadingAWholeFileCountsItsReadsAndJumps)
{
    const struct {
        FileRecord file;
        std::size_t reads;
        int jumps;
    } cases[]{
        {fileOf({data(10), data(11), data(12)}, 3), 3, 0},
        {fileOf({data(9), data(33), data(2), data(3), data(50)}, 5), 5, 3},
        // 60, then 0..6, 54, 7..13, 17, 14..19: a jump to and from every index block.
        {indexedFile(20, 7, {60, 54, 17}, 0), 23, 5},
        // 63, 40, 0..7, 41, 8.
        {indexedFile(9, 8, {40, 41}, 0, 63), 12, 4},
        {fileOf({}, 0), 0, 0},
    };
    for (const auto& c : cases) {
        const WholeRead read = readWholeFile(c.file);
        EXPECT_EQ(read.blocks.size(), c.reads);
        EXPECT_EQ(read.jumps, c.jumps);
    }
    EXPECT_EQ(readPathText({}), "0 disk reads");
}

TEST(LessonReading, FilesThatHoldLessThanTheirLengthSaySo)
{
    FileRecord placing = fileOf({index(5), data(6)}, 9);
    placing.complete = false;
    FileRecord cut = fileOf({data(0), data(30)}, 5);
    cut.cutShort = true;
    EXPECT_EQ(holdingNote(placing), "Still being placed: answered from the 1 block placed so far.");
    EXPECT_EQ(holdingNote(cut), "Its chain was cut short on a full disk: it holds 2 of its 5 blocks.");
    EXPECT_EQ(holdingNote(fileOf({data(4)}, -3)), "Listed with a length of -3: it holds its start block only.");
    EXPECT_EQ(holdingNote(fileOf({}, 0)), "Listed with a length of 0: it holds no data block.");
    EXPECT_EQ(holdingNote(fileOf({data(1)}, 1)), "");
    // What it holds is answered all the same.
    EXPECT_EQ(readPathText(readBlock(screenOf(ScreenId::Linked), cut, 1)->blocks), "2 disk reads: 0, 30");
}

TEST(LessonFreeSpace, TheMapTheRunsAndTheLargestFile)
{
    BlockDisk disk;
    disk.reset();
    EXPECT_EQ(freeRunsText(freeSpaceOf(disk).runs), "0-63 (64)");
    for (const int b : {0, 1, 2, 3, 10, 20, 21, 63})
        disk.paint(b, 0x010203);
    const FreeSpace space = freeSpaceOf(disk);
    EXPECT_EQ(space.bitmap[0], "11110000");
    EXPECT_EQ(space.bitmap[1], "00100000");
    EXPECT_EQ(space.bitmap[2], "00001100");
    EXPECT_EQ(space.bitmap[7], "00000001");
    EXPECT_EQ(freeRunsText(space.runs), "4-9 (6), 11-19 (9), 22-62 (41)");
    EXPECT_EQ(space.freeBlocks, 56);
    EXPECT_EQ(space.largestRun, 41);
    for (int b = 0; b < BlockDisk::BLOCKS; ++b)
        disk.paint(b, 0x010203);
    EXPECT_EQ(freeRunsText(freeSpaceOf(disk).runs), "none");
    EXPECT_EQ(freeSpaceOf(disk).largestRun, 0);
}
