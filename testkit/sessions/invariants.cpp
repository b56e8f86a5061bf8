#include "sessions/invariants.h"

#include "sessions/observed.h"

namespace {

std::string fileName(const std::vector<FileExtent>& files, std::size_t i)
{
    return "file " + std::to_string(i) + " \"" + files[i].name.substr(0, 40) + '"';
}

}  // namespace

std::vector<std::string> checkBlockOwnership(const BlockDisk& disk, const std::vector<FileExtent>& files)
{
    std::vector<std::string> breaches;
    std::vector<std::vector<std::size_t>> owners(BlockDisk::BLOCKS);
    for (std::size_t f = 0; f < files.size(); ++f) {
        for (const int b : files[f].blocks) {
            if (b < 0 || b >= BlockDisk::BLOCKS) {
                breaches.push_back(fileName(files, f) + " lists block " + std::to_string(b) + ", off the disk");
                continue;
            }
            owners[static_cast<std::size_t>(b)].push_back(f);
            if (disk.colourOf(b) != files[f].colour) {
                breaches.push_back(fileName(files, f) + " lists block " + std::to_string(b) + ", which is "
                    + describeColour(disk.colourOf(b)) + " instead of " + describeColour(files[f].colour));
            }
        }
    }
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        const auto& o = owners[static_cast<std::size_t>(b)];
        if (o.size() > 1) {
            std::string who;
            for (const std::size_t f : o)
                who += (who.empty() ? "" : " and ") + fileName(files, f);
            breaches.push_back("block " + std::to_string(b) + " is given twice: to " + who);
        }
        if (!disk.isFree(b) && o.empty())
            breaches.push_back("block " + std::to_string(b) + " is coloured but belongs to no listed file");
    }
    return breaches;
}
