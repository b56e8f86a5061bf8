#pragma once

// Random sessions: a seeded generator draws actions from a screen's vocabulary; the program's screen
// (through an adapter) and a reference of it take them side by side from random streams of one seed;
// after every action what each shows is compared and the adapter checks the screen's own rules. A
// failure is shrunk to a short list and printed as a replay.
//
// To bring in a screen NAME:
//  1. testkit/sessions/NAME_reference.{h,cpp}: the screen written out plainly from its described
//     behaviour, sharing no code with the program: a ReferenceScreen (reference_screen.h) that adds
//     what the screen shows beside the disk and the fields: lists, labels, enabled and shown states.
//  2. testkit/sessions/NAME_adapter.cpp: the screen's part of ScreenAdapter (screen_adapter.h): how
//     its screen object reads back (observeScreen), its rules (screenInvariants: FileExtents from the
//     screen's own tables through checkBlockOwnership, plus whatever else must hold) and its
//     Vocabulary (fields and their pools, buttons, clickable lists).
//  3. Both to pellucor_sessions in testkit/sessions/CMakeLists.txt, and tests/reliability/
//     NAME_sessions_test.cpp beside contiguous_sessions_test.cpp, with a test named
//     AgreeWithTheReferenceAfterEveryAction (the long run picks it up by that name) that calls
//     runPlannedSessions (tests/reliability/sessions_testing.h).
//  4. fuzz/NAME_screen_fuzzer.cpp through fuzz/screen_fuzzing.h, in fuzz/CMakeLists.txt and in the
//     list of scripts/fuzz.sh, with a few seeds in fuzz/corpus/NAME_screen/.

#include "sessions/action.h"
#include "sessions/generator.h"
#include "sessions/observed.h"
#include "sessions/session_plan.h"
#include "sessions/session_stream.h"

#include <chrono>
#include <concepts>
#include <cstdint>
#include <exception>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A screen as a session drives it: the program's screen through an adapter, or its reference.
// Each is built from a random stream and is loaded from the start.
template <typename T>
concept SessionScreen = std::constructible_from<T, RandomStream&> && requires(T t, const T& c, const Action& a)
{
    {
        t.apply(a)
        } -> std::same_as<std::vector<Message>>;
    {
        c.observe()
        } -> std::same_as<Observed>;
};

// The adapter also names the screen, gives its vocabulary and checks the rules that hold whatever
// the reference says.
template <typename T>
concept SessionAdapter = SessionScreen<T> && requires(const T& c)
{
    {
        T::NAME
        } -> std::convertible_to<const char*>;
    {
        T::vocabulary()
        } -> std::same_as<const Vocabulary&>;
    {
        c.invariants()
        } -> std::same_as<std::vector<std::string>>;
};

// Where and why a session went wrong: after action `step` (1-based; 0 is the opening of the screen).
struct SessionFailure {
    std::size_t step = 0;
    std::vector<std::string> problems;
};

// What a run of sessions saw, to show that it went where it should.
struct SessionStats {
    std::size_t actions = 0;                      // done, not counting those that could not be done at the time
    std::size_t skipped = 0;                      // on a control that was disabled or hidden, or a missing row
    std::map<std::string, std::size_t> messages;  // by message text
    std::map<Control, std::size_t> mostRows;      // the longest each list grew
    int mostUsedBlocks = 0;
};

// Runs the actions on both screens from streams of the same seed, and compares after every action.
template <SessionAdapter Adapter, SessionScreen Reference> class Session {
public:
    // Longer than any action may take; far beyond what one should need.
    static constexpr std::chrono::seconds ACTION_BUDGET{5};

    static std::optional<SessionFailure> run(
        std::uint64_t seed, const std::vector<Action>& actions, SessionStats* stats = nullptr)
    {
        try {
            return runUnguarded(seed, actions, stats);
        } catch (const std::exception& e) {
            return SessionFailure{0, {std::string("an exception escaped: ") + e.what()}};
        }
    }

    // The shortest list found that still fails: first cut after the failing action, then drop
    // chunks, halving their size, while the rest still fails.
    static std::vector<Action> shrink(std::uint64_t seed, std::vector<Action> actions, const SessionFailure& failure)
    {
        if (failure.step > 0 && failure.step < actions.size())
            actions.resize(failure.step);
        for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
            bool removed = true;
            while (removed) {
                removed = false;
                for (std::size_t from = 0; from < actions.size();) {
                    std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(from));
                    const std::size_t to = std::min(actions.size(), from + chunk);
                    candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(to), actions.end());
                    if (run(seed, candidate)) {
                        actions = std::move(candidate);
                        removed = true;
                    } else {
                        from += chunk;
                    }
                }
            }
        }
        // Then each typed text, cut to its first half while the list still fails.
        for (Action& action : actions) {
            while (action.kind == ActionKind::Type && action.text.size() > 1) {
                const std::string whole = action.text;
                action.text.resize(whole.size() / 2);
                if (!run(seed, actions)) {
                    action.text = whole;
                    break;
                }
            }
        }
        return actions;
    }

    // What a failing session prints: where it went wrong, and the shrunk list to replay.
    static std::string report(std::uint64_t seed, const std::vector<Action>& actions, const SessionFailure& failure)
    {
        const std::vector<Action> shortest = shrink(seed, actions, failure);
        const auto again = run(seed, shortest);
        std::string out = std::string(Adapter::NAME) + " session with seed " + std::to_string(seed)
            + " went wrong after action " + std::to_string(failure.step) + " of " + std::to_string(actions.size())
            + ":\n";
        for (const auto& p : failure.problems)
            out += "  " + p + '\n';
        out += "Shrunk to " + std::to_string(shortest.size()) + " actions";
        if (again) {
            out += ", which go wrong after action " + std::to_string(again->step) + ":\n";
            for (const auto& p : again->problems)
                out += "  " + p + '\n';
        } else {
            out += ":\n";
        }
        out += "--- replay (PELLUCOR_REPLAY=FILE with these lines, or PELLUCOR_SESSION_SEED=" + std::to_string(seed)
            + " for the whole session)\n";
        out += formatReplay({seed, shortest});
        out += "---\n";
        return out;
    }

private:
    static std::optional<SessionFailure> compare(
        std::size_t step, const Observed& expected, const Observed& actual, const Adapter& adapter)
    {
        SessionFailure failure{step, {}};
        if (!(expected == actual))
            failure.problems = differences(expected, actual);
        for (auto& breach : adapter.invariants())
            failure.problems.push_back("broken rule: " + breach);
        if (failure.problems.empty())
            return std::nullopt;
        return failure;
    }

    static std::optional<SessionFailure> runUnguarded(
        std::uint64_t seed, const std::vector<Action>& actions, SessionStats* stats)
    {
        SessionStream adapterStream(seed);
        SessionStream referenceStream(seed);
        Adapter adapter(adapterStream);
        auto reference = std::make_unique<Reference>(referenceStream);
        // The reference's own history for Step back: itself and its stream before each undoable action.
        std::vector<std::pair<std::unique_ptr<Reference>, SessionStream>> history;
        Observed expected = reference->observe();
        if (auto failure = compare(0, expected, adapter.observe(), adapter))
            return failure;

        for (std::size_t i = 0; i < actions.size(); ++i) {
            const Action& action = actions[i];
            if (!canBeDone(action, expected)) {
                if (stats)
                    ++stats->skipped;
                continue;
            }
            const auto began = std::chrono::steady_clock::now();
            std::vector<Message> shown = adapter.apply(action);
            const auto took = std::chrono::steady_clock::now() - began;
            Observed actual = adapter.observe();
            actual.messages = std::move(shown);
            std::vector<Message> raised;
            if (action.kind == ActionKind::StepBack) {
                if (!history.empty()) {
                    referenceStream = history.back().second;
                    reference = std::move(history.back().first);
                    history.pop_back();
                }
            } else if (action.kind == ActionKind::Restart) {
                // Step back undoes a Restart as it does an action.
                history.emplace_back(std::make_unique<Reference>(*reference), referenceStream);
                referenceStream = SessionStream(seed);
                reference = std::make_unique<Reference>(referenceStream);
            } else {
                if (action.kind == ActionKind::Reload)
                    history.clear();
                if (action.isUndoable())
                    history.emplace_back(std::make_unique<Reference>(*reference), referenceStream);
                raised = reference->apply(action);
            }
            expected = reference->observe();
            expected.messages = std::move(raised);
            // Where the focus goes after these is the window's business, not the screen's.
            if (action.kind == ActionKind::StepBack || action.kind == ActionKind::Restart)
                expected.focusRequest.reset();
            if (stats)
                count(*stats, actual);
            if (auto failure = compare(i + 1, expected, actual, adapter)) {
                failure->problems.insert(failure->problems.begin(), "after " + formatAction(action).substr(0, 120));
                return failure;
            }
            if (took > ACTION_BUDGET) {
                return SessionFailure{i + 1,
                    {"after " + formatAction(action).substr(0, 120) + ": took "
                        + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()) + " ms"}};
            }
        }
        return std::nullopt;
    }

    static void count(SessionStats& stats, const Observed& seen)
    {
        ++stats.actions;
        for (const Message& m : seen.messages)
            ++stats.messages[m.text];
        for (const auto& [list, shown] : seen.lists)
            stats.mostRows[list] = std::max(stats.mostRows[list], shown.rows.size());
        int used = 0;
        for (const auto& cell : seen.disk)
            used += cell.colour != FREE_COLOUR ? 1 : 0;
        stats.mostUsedBlocks = std::max(stats.mostUsedBlocks, used);
    }
};

// The outcome of a plan of sessions on one screen.
struct SessionsOutcome {
    std::size_t sessions = 0;
    std::size_t failures = 0;
    SessionStats stats;
    std::string reports;  // of the first few failures, shrunk, with their replays
};

// Runs every session of the plan, or only until the wanted reports are made. Each failure is reported with its shrunk
// replay, which is also written to a file in the temporary folder so that it can be handed back through
// PELLUCOR_REPLAY.
template <SessionAdapter Adapter, SessionScreen Reference>
SessionsOutcome runSessions(const SessionPlan& plan, std::size_t reportsWanted = 3, bool stopAtLastReport = false)
{
    using Runner = Session<Adapter, Reference>;
    SessionsOutcome outcome;
    const auto fail = [&](std::uint64_t seed, const std::vector<Action>& actions, const SessionFailure& failure) {
        ++outcome.failures;
        if (outcome.failures > reportsWanted)
            return;
        std::string report = Runner::report(seed, actions, failure);
        const std::string path
            = replayFolder() + "/pellucor-" + Adapter::NAME + "-seed-" + std::to_string(seed) + ".replay";
        const auto begin = report.find("--- replay");
        std::ofstream file(path);
        if (file && begin != std::string::npos) {
            const auto firstLine = report.find('\n', begin) + 1;
            file << report.substr(firstLine, report.rfind("---") - firstLine);
            report += "(written to " + path + ")\n";
        }
        outcome.reports += report;
    };
    if (plan.replay) {
        ++outcome.sessions;
        if (const auto failure = Runner::run(plan.replay->seed, plan.replay->actions, &outcome.stats))
            fail(plan.replay->seed, plan.replay->actions, *failure);
        return outcome;
    }
    for (const std::uint64_t seed : plan.seeds) {
        const std::vector<Action> actions = generateActions(seed, Adapter::vocabulary(), plan.actionsPerSession);
        ++outcome.sessions;
        if (const auto failure = Runner::run(seed, actions, &outcome.stats))
            fail(seed, actions, *failure);
        if (stopAtLastReport && outcome.failures >= reportsWanted)
            break;
    }
    return outcome;
}
