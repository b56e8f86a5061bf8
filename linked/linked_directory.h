#pragma once

#include "core/file_directory.h"

#include <cstddef>
#include <cstdint>

// The linked screen's list of files, with the columns "File", "Start", "Lenght" and "End". A file's
// End stays empty until its chain is closed.
class LinkedDirectory final : public FileDirectory {
public:
    static constexpr std::size_t END_COLUMN = 3;

    LinkedDirectory() : FileDirectory({{"File", 30}, {"Start", 21}, {"Lenght", 25}, {"End", 21}}) {}

    // Narrows "End" to 13 per cent once more than eight rows are listed before the new one, 21 otherwise.
    void fitEndColumn();
    // The last row belongs to the file whose chain is open or was closed last.
    void setLastEnd(int block);
    // Takes `missing` blocks off the last row's length, for a chain that ended early.
    void shortenLast(std::int32_t missing);
    // The blocks that the listed files hold: each its length, and at least its start block.
    std::int32_t blocksListed() const;
};
