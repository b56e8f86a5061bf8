#pragma once

#include "core/file_record.h"
#include "core/screen.h"

#include <optional>
#include <string>
#include <vector>

// How a file is read on the disk, by the method of the screen that placed it: how many disk reads
// reach one of its blocks, which blocks they are, and what reading it whole costs. Answered from
// the blocks the file actually holds.

// The reads that reach data block k of a file (counted from 0, as the cells are), by the method of
// the screen that placed it.
struct ReadPath {
    std::vector<int> blocks;  // in the order read; the last is block k itself
};
// Nothing when the file holds no data block k.
std::optional<ReadPath> readBlock(const Screen& screen, const FileRecord& file, int k);

// Reading the whole file from its first block to its last.
struct WholeRead {
    std::vector<int> blocks;  // in the order read
    // How often the next block read is not the block right after the one before.
    int jumps = 0;
};
WholeRead readWholeFile(const FileRecord& file);

// The data blocks a file holds (those a reader asks for by number), in order.
std::vector<int> dataBlocksOf(const FileRecord& file);

// Why a file's answers come from fewer blocks than its length asks for; empty when they do not.
std::string holdingNote(const FileRecord& file);

// Why those are the reads, by the screen's method: its reading rule, then the numbers. "Linked
// index: ... Block 15 of file "a" (file 0) is reached through index blocks 60, 54 and 17 (15 div 7
// + 1 = 3 of them), then the block itself, disk block 15: 4 disk reads: 60, 54, 17, 15."
std::string readingWorking(const Screen& screen, const FileRecord& file, int k, const std::vector<int>& path);

// "a" (file 0), as the lesson names a file.
std::string fileName(const FileRecord& file);
// "60, 54 and 17".
std::string andListed(const std::vector<int>& blocks);

// "3 disk reads: 60, 54, 17"; "1 disk read: 5"; "0 disk reads" for nothing read.
std::string readPathText(const std::vector<int>& blocks);
