#include "sessions/session_plan.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

std::optional<std::uint64_t> numberSetting(const char* name, std::string& problem)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    const std::string_view text(value);
    std::uint64_t n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || ptr != text.data() + text.size()) {
        problem = std::string(name) + "=" + value + " is not a whole number";
        return std::nullopt;
    }
    return n;
}

}  // namespace

std::size_t SessionPlan::plannedActions() const
{
    return replay ? replay->actions.size() : seeds.size() * actionsPerSession;
}

std::string SessionPlan::describe() const
{
    if (replay)
        return "a replay of " + std::to_string(replay->actions.size()) + " actions with seed "
            + std::to_string(replay->seed);
    if (seeds.size() == 1)
        return "the session of seed " + std::to_string(seeds.front());
    return std::to_string(seeds.size()) + " sessions of " + std::to_string(actionsPerSession) + " actions, seeds "
        + (seeds.empty() ? std::string("none") : std::to_string(seeds.front()) + " to " + std::to_string(seeds.back()));
}

SessionPlan planOf(std::size_t actions, std::uint64_t firstSeed, std::size_t actionsPerSession)
{
    SessionPlan plan;
    plan.actionsPerSession = actionsPerSession;
    const std::size_t sessions = (actions + plan.actionsPerSession - 1) / plan.actionsPerSession;
    for (std::size_t i = 0; i < sessions; ++i)
        plan.seeds.push_back(firstSeed + i);
    return plan;
}

SessionPlan planFromEnvironment(std::size_t normalActions, std::size_t actionsPerSession)
{
    std::string problem;
    SessionPlan plan;
    plan.actionsPerSession = actionsPerSession;
    if (const char* file = std::getenv("PELLUCOR_REPLAY"); file != nullptr && *file != '\0') {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        plan.replay = parseReplay(text.str());
        if (!in || !plan.replay)
            plan.problem = std::string("PELLUCOR_REPLAY=") + file + " cannot be read as a list of actions";
        return plan;
    }
    if (const auto seed = numberSetting("PELLUCOR_SESSION_SEED", problem)) {
        plan.seeds = {*seed};
        return plan;
    }
    std::size_t actions = normalActions;
    if (const char* longRun = std::getenv("PELLUCOR_LONG_SESSIONS");
        longRun != nullptr && std::string_view(longRun) == "1")
        actions = SessionPlan::LONG_ACTIONS;
    if (const auto n = numberSetting("PELLUCOR_SESSION_ACTIONS", problem))
        actions = static_cast<std::size_t>(*n);
    const auto first = numberSetting("PELLUCOR_FIRST_SEED", problem);
    plan = planOf(actions, first.value_or(1), actionsPerSession);
    plan.problem = problem;
    return plan;
}

std::string replayFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}
