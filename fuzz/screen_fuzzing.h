#pragma once

// A screen driven by bytes: eight bytes seed the random stream, the rest choose actions (and may
// spell texts of their own). The session compares the program's screen with the reference after
// every action and checks the screen's rules; any difference is a crash with its replay.

#include "sessions/session.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Enough for a full disk, a tenth row and a Clear; longer inputs add little but time.
inline constexpr std::size_t MOST_ACTIONS = 96;

template <SessionAdapter Adapter, SessionScreen Reference> int fuzzScreen(ByteChooser& chooser)
{
    const std::uint64_t seed = chooser.takeSeed();
    std::vector<Action> actions;
    while (!chooser.exhausted() && actions.size() < MOST_ACTIONS)
        actions.push_back(nextAction(chooser, Adapter::vocabulary()));

    static const bool show = std::getenv("PELLUCOR_FUZZ_SHOW") != nullptr;
    if (show)
        std::fprintf(stderr, "%s", formatReplay({seed, actions}).c_str());

    using Runner = Session<Adapter, Reference>;
    if (const auto failure = Runner::run(seed, actions)) {
        std::fprintf(stderr, "%s", Runner::report(seed, actions, *failure).c_str());
        std::abort();
    }
    return 0;
}
