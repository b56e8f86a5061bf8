#pragma once

#include "core/block_disk.h"

#include <string>
#include <vector>

// A file as a screen's own records describe it: the blocks it was given, in its order.
struct FileExtent {
    std::string name;
    ColourValue colour = FREE_COLOUR;
    std::vector<int> blocks;
};

// What must hold between a disk and the files listed for it, on every screen and after every action:
// every listed block lies on the disk and has its file's colour, no block is listed twice (in one
// file or in two), and every coloured block belongs to exactly one listed file. One line per breach.
std::vector<std::string> checkBlockOwnership(const BlockDisk& disk, const std::vector<FileExtent>& files);
