#pragma once

#include "core/file_directory.h"

// The contiguous screen's list of files, with the columns "File", "Start" and "Lenght".
class ContiguousDirectory final : public FileDirectory {
public:
    ContiguousDirectory() : FileDirectory({{"File", 40}, {"Start", 29}, {"Lenght", 29}}) {}

    // Narrows "Lenght" to 21 per cent while the ninth row goes in, 29 per cent otherwise.
    void fitLenghtColumn();
};
