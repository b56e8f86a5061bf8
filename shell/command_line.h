#pragma once

#include "core/screen_table.h"
#include "lesson/workload.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asks of a run.
struct StartOptions {
    ScreenId firstScreen = ScreenId::IndexedL;
    bool lesson = false;                  // the lesson panel opens with the first screen
    std::optional<std::uint64_t> seed;    // where the random stream starts; its fixed state without
    std::optional<std::string> script;    // a scenario file for the lesson panel
    std::optional<double> scale;          // every window this many times as large, 1 to 3
    bool fitScale = false;                // the largest scale at which the screen and the panel fit
    bool readable = false;                // cell text for a projector
    std::optional<Workload> compare;      // the Compare window opens, with these files placed
};

// Pellucor's own options read out of a command line.
struct CommandLine {
    enum class Outcome { Run, Help, Version, Error };

    Outcome outcome = Outcome::Run;
    StartOptions options;
    std::string error;  // for Outcome::Error
    // The arguments that are not Pellucor's, in order: the toolkit's own options, or mistakes.
    std::vector<std::string> others;
};

// Reads the arguments that follow the program's name. Pellucor's options are checked here and a
// bad one is an error; every other argument is kept in `others`, since the toolkit takes its own
// options out of the command line only once it runs, and judged then.
CommandLine readCommandLine(const std::vector<std::string>& arguments);
// The first of `others` that is none of the toolkit's own options, a value after one of them
// passed over: judged before the toolkit starts, which needs a display.
std::optional<std::string> firstUnknownArgument(const std::vector<std::string>& others);
// The error for the first argument that neither Pellucor nor the toolkit took.
std::string unknownArgumentError(const std::string& argument);

// The help that --help prints and every error follows.
std::string usageText();
std::string versionText();
