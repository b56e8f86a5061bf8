#pragma once

#include "sessions/action.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which sessions to run, as the environment asks:
//   PELLUCOR_REPLAY=FILE        run the action list in FILE (as a failing session prints it)
//   PELLUCOR_SESSION_SEED=N     run the one session of seed N
//   PELLUCOR_LONG_SESSIONS=1    1,000,000 actions per screen
//   PELLUCOR_SESSION_ACTIONS=N  N actions per screen
//   PELLUCOR_FIRST_SEED=N       number the sessions from N (1 unless set)
// Otherwise `normalActions` per screen. Sessions have `actionsPerSession` actions: a screen whose
// files take many presses wants longer ones to fill its disk.
struct SessionPlan {
    static constexpr std::size_t ACTIONS_PER_SESSION = 250;
    static constexpr std::size_t LONG_ACTIONS = 1'000'000;

    std::vector<std::uint64_t> seeds;
    std::size_t actionsPerSession = ACTIONS_PER_SESSION;
    std::optional<Replay> replay;
    std::string problem;  // a setting that could not be read; nothing is run then

    std::size_t plannedActions() const;
    std::string describe() const;
};

SessionPlan planFromEnvironment(
    std::size_t normalActions, std::size_t actionsPerSession = SessionPlan::ACTIONS_PER_SESSION);
// A plan of `actions` actions from the first seed on.
SessionPlan planOf(
    std::size_t actions, std::uint64_t firstSeed = 1, std::size_t actionsPerSession = SessionPlan::ACTIONS_PER_SESSION);

// Where failing sessions leave their replay files: TMPDIR, or /tmp.
std::string replayFolder();
