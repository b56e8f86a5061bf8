#pragma once

#include <string>
#include <vector>

// What users type: the texts the generator draws from, by kind.
namespace pools {

// File names: ordinary ones, blanks, the empty text, non-ASCII, a very long one.
const std::vector<std::string>& names();
// Block numbers 0..63 and small lengths, the numbers that make most Adds succeed.
const std::vector<std::string>& startNumbers();
const std::vector<std::string>& lengthNumbers();
// Numbers at the edges of the rules: the disk's ends, halves, the 16-bit and 32-bit limits,
// exponents, blanks and signs, and digits beyond what a double holds.
const std::vector<std::string>& edgeNumbers();
// Texts that are not numbers, or only nearly: letters, separators, other scripts' digits, very
// long texts, control characters, broken UTF-8.
const std::vector<std::string>& hostileTexts();

}  // namespace pools
