#pragma once

#include "lesson/comparison.h"

#include <optional>
#include <string>

// The comparison as JSON for the page: the files to choose from, the table as the desktop shows
// and copies it, each method's small disk with the read path of block k, and the reads of every
// block of the chosen file. `k` is kept within the file; without it, its last block.
std::string compareJson(const Comparison& comparison, std::size_t file, std::optional<int> k);
