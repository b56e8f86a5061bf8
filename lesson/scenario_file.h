#pragma once

#include "lesson/scenario.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The largest scenario file read: far above any lecture, far below what could hurt the program.
inline constexpr std::uintmax_t MOST_SCENARIO_BYTES = 1024 * 1024;

struct ScenarioFileError {
    std::string message;  // the whole line to print, "pellucor: PATH: ..." or "pellucor: PATH:LINE: expected ..."
};

// Reads the scenario in a regular file of at most MOST_SCENARIO_BYTES. A directory, a pipe or a
// device is refused without waiting on it, as is a file that holds no step.
std::variant<std::vector<ScenarioStep>, ScenarioFileError> readScenarioFile(
    const std::string& path, ScreenId firstScreen);
