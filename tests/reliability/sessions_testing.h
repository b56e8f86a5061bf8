#pragma once

// What the sessions test of every screen does: run the sessions that the environment asks for, and
// show with planted faults that they notice what they should.

#include "core/form.h"
#include "sessions/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <optional>

// Actions per screen in the ordinary test run: a few seconds even under the sanitizers.
inline constexpr std::size_t NORMAL_ACTIONS = 6000;
// For the screens whose files take a press per block: sessions long enough to fill the disk.
inline constexpr std::size_t PRESSING_SESSION = 1000;

// Runs the planned sessions, prints what they did and fails on every session that went wrong. For an
// ordinary run that passed, the outcome, so that the caller can check that the sessions got everywhere.
template <SessionAdapter Adapter, SessionScreen Reference>
std::optional<SessionsOutcome> runPlannedSessions(std::size_t actionsPerSession = SessionPlan::ACTIONS_PER_SESSION)
{
    const SessionPlan plan = planFromEnvironment(NORMAL_ACTIONS, actionsPerSession);
    EXPECT_TRUE(plan.problem.empty()) << plan.problem;
    if (!plan.problem.empty())
        return std::nullopt;
    SessionsOutcome outcome = runSessions<Adapter, Reference>(plan);
    std::cout << Adapter::NAME << ": " << plan.describe() << ": " << outcome.stats.actions << " actions done, "
              << outcome.stats.skipped << " not possible at the time, " << outcome.failures << " sessions failed\n";
    EXPECT_EQ(outcome.failures, 0U) << outcome.reports;
    if (outcome.failures > 0 || plan.replay || plan.plannedActions() < NORMAL_ACTIONS)
        return std::nullopt;
    EXPECT_EQ(outcome.stats.actions + outcome.stats.skipped, plan.plannedActions())
        << "every planned action is either done or found impossible at its time";
    return outcome;
}

// How often the sessions saw a message whose text starts so.
inline std::size_t timesShown(const SessionStats& stats, const std::string& start)
{
    std::size_t n = 0;
    for (const auto& [text, times] : stats.messages)
        n += text.starts_with(start) ? times : 0;
    return n;
}

// Types each text into its field, presses Add, then Next until the file is placed, and expects no
// message and the screen's rules to hold after every press.
template <typename Adapter>
void placeFile(Adapter& adapter, std::initializer_list<std::pair<Control, const char*>> texts)
{
    for (const auto& [field, text] : texts)
        adapter.apply(Action::type(field, text));
    EXPECT_TRUE(adapter.apply(Action::click(Control::cmAdd)).empty());
    for (int press = 0; press < 100; ++press) {
        const auto breaches = adapter.invariants();
        ASSERT_TRUE(breaches.empty()) << breaches.front();
        const Observed now = adapter.observe();
        if (!now.enabled.contains(Control::cmNext) || !now.enabled.at(Control::cmNext))
            break;
        adapter.apply(Action::click(Control::cmNext));
    }
}

// Whether one of the breaches that invariants() found contains these words.
inline bool anyMentions(const std::vector<std::string>& breaches, const std::string& words)
{
    return std::any_of(
        breaches.begin(), breaches.end(), [&](const std::string& b) { return b.find(words) != std::string::npos; });
}

// The program's screen with a fault planted on top of it after each action: Plant::plant(action,
// the form before, the form after) changes what the action left.
template <typename Good, typename Plant> class PlantedAdapter final : public Good {
public:
    using Good::Good;
    std::vector<Message> apply(const Action& action)
    {
        const Form before = this->screen().form();
        std::vector<Message> shown = Good::apply(action);
        Plant::plant(action, before, this->screen().mutableForm());
        return shown;
    }
};

// The sessions notice the plant, shrink it to a list not much longer than the shortest possible,
// and that list fails with the plant and passes without it.
template <typename Good, typename Plant, SessionScreen Reference>
void expectCaught(
    const char* name, std::size_t shortestPossible, std::size_t actionsPerSession = SessionPlan::ACTIONS_PER_SESSION)
{
    using Planted = PlantedAdapter<Good, Plant>;
    const SessionsOutcome outcome = runSessions<Planted, Reference>(planOf(5000, 1, actionsPerSession), 1, true);
    EXPECT_GT(outcome.failures, 0U) << name << " went unnoticed";
    std::cout << "[planted: " << name << "]\n" << outcome.reports;

    const auto begin = outcome.reports.find("seed ", outcome.reports.find("--- replay"));
    ASSERT_NE(begin, std::string::npos) << outcome.reports;
    const auto replay = parseReplay(outcome.reports.substr(begin, outcome.reports.find("---", begin) - begin));
    ASSERT_TRUE(replay.has_value()) << outcome.reports;
    EXPECT_LE(replay->actions.size(), shortestPossible + 4) << name;
    EXPECT_TRUE((Session<Planted, Reference>::run(replay->seed, replay->actions)))
        << name << ": the shrunk list no longer fails";
    EXPECT_FALSE((Session<Good, Reference>::run(replay->seed, replay->actions)))
        << name << ": the list fails without the plant too";
}
