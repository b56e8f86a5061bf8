#pragma once

#include "core/screen_table.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A lecture prepared in a plain text file, one action a line, done through the real controls as if
// typed:
//
//   # comments and blank lines are passed over; the comment lines right above a step are its note
//   screen contiguous            choose a screen: contiguous, linked, indexed or multilevel
//   add notes 10 5               type a name, a start and a length and press Add ...
//   add "lab report" 7           ... a name and a length on the indexed screens
//   next                         press Next Block once, or N times (next 3), or to the end of the
//   next all                     file being placed (next all)
//   clear                        press Clear
//   row 2                        click a directory row, the first being row 1
//
// A name or a typed value with blanks in it goes in double quotes, \" standing for a quote in it.
// The text is UTF-8 (a byte-order mark before it is passed over) and holds at most
// MOST_SCENARIO_STEPS steps.
inline constexpr std::size_t MOST_SCENARIO_STEPS = 10000;

struct ScenarioStep {
    enum class Kind { Screen, Add, Next, NextAll, Clear, Row };

    Kind kind = Kind::Clear;
    ScreenId screen = ScreenId::IndexedL;  // Screen
    std::string name, start, length;       // Add; no start on the indexed screens
    int count = 1;                         // Next: presses; Row: the row, from 1
    int line = 0;                          // in the file
    std::string text;                      // the line as written
    std::string note;                      // the comment lines right above it, joined by blanks
};

struct ScenarioError {
    int line = 0;
    std::string expected;  // what the line should have held
};

// Reads a scenario that starts on the given screen; the first line it cannot read is the error.
std::variant<std::vector<ScenarioStep>, ScenarioError> readScenario(std::string_view text, ScreenId firstScreen);

// A scenario that does the steps again: the heading as comment lines, each step's note as a comment
// above it, presses of Next Block in a row as one `next N`. Names and values are quoted as the
// reader expects; steps before the first `screen` line are on `firstScreen`.
std::string writeScenario(const std::vector<ScenarioStep>& steps, ScreenId firstScreen, std::string_view heading = {});
