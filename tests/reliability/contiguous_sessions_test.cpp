#include "reliability/contiguous_adapter.h"
#include "reliability/contiguous_reference.h"
#include "reliability/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

// Actions per screen in the ordinary test run: a few seconds even under the sanitizers.
constexpr std::size_t NORMAL_ACTIONS = 6000;

// The program's screen with a fault planted on top of it after each action, to show that the
// sessions notice a fault of that kind and shrink it to a few actions.
template <typename Plant> class PlantedAdapter final : public ContiguousAdapter {
public:
    using ContiguousAdapter::ContiguousAdapter;
    std::vector<Message> apply(const Action& action)
    {
        const ContiguousForm before = screen().form();
        std::vector<Message> shown = ContiguousAdapter::apply(action);
        Plant::plant(action, before, screen().form());
        return shown;
    }
};

// A successful Add also lists its file a second time.
struct ListsAFileTwice {
    static void plant(const Action&, const ContiguousForm& before, ContiguousForm& after)
    {
        const auto& rows = after.directory.list().rows();
        if (rows.size() > before.directory.list().rows().size() && rows.back().cells[2] != "0") {
            const ReportList::Row last = rows.back();
            after.directory.append(last.cells[0], std::stoi(last.cells[1]), std::stoi(last.cells[2]), *last.colour);
        }
    }
};

// The Lenght column is fitted to the number of rows after the new row, not before it.
struct FitsTheColumnOneRowLate {
    static void plant(const Action&, const ContiguousForm& before, ContiguousForm& after)
    {
        if (after.directory.list().rowCount() > before.directory.list().rowCount())
            after.directory.fitLenghtColumn();
    }
};

// Clear leaves the length field as it was.
struct ClearKeepsTheLength {
    static void plant(const Action& action, const ContiguousForm& before, ContiguousForm& after)
    {
        if (action.kind == ActionKind::Click && action.control == Control::cmClear)
            after.fields.setText(Control::txLenght, before.fields.text(Control::txLenght));
    }
};

template <typename Plant> void expectCaught(const char* name, std::size_t shortestPossible)
{
    const SessionsOutcome outcome = runSessions<PlantedAdapter<Plant>, ContiguousReference>(planOf(5000), 1, true);
    EXPECT_GT(outcome.failures, 0U) << name << " went unnoticed";
    std::cout << "[planted: " << name << "]\n" << outcome.reports;

    // The report ends in a short list that, replayed, still goes wrong.
    const auto begin = outcome.reports.find("seed ", outcome.reports.find("--- replay"));
    ASSERT_NE(begin, std::string::npos) << outcome.reports;
    const auto replay = parseReplay(outcome.reports.substr(begin, outcome.reports.find("---", begin) - begin));
    ASSERT_TRUE(replay.has_value()) << outcome.reports;
    EXPECT_LE(replay->actions.size(), shortestPossible + 4) << name;
    EXPECT_TRUE((Session<PlantedAdapter<Plant>, ContiguousReference>::run(replay->seed, replay->actions)))
        << name << ": the shrunk list no longer fails";
    EXPECT_FALSE((Session<ContiguousAdapter, ContiguousReference>::run(replay->seed, replay->actions)))
        << name << ": the list fails without the plant too";
}

}  // namespace

TEST(ContiguousSessions, AgreeWithTheReferenceAfterEveryAction)
{
    const SessionPlan plan = planFromEnvironment(NORMAL_ACTIONS);
    ASSERT_TRUE(plan.problem.empty()) << plan.problem;
    SessionsOutcome outcome = runSessions<ContiguousAdapter, ContiguousReference>(plan);
    std::cout << "contiguous: " << plan.describe() << ": " << outcome.stats.actions << " actions done, "
              << outcome.stats.skipped << " not possible at the time, " << outcome.failures << " sessions failed\n";
    EXPECT_EQ(outcome.failures, 0U) << outcome.reports;
    if (outcome.failures > 0 || plan.replay || plan.plannedActions() < NORMAL_ACTIONS)
        return;
    EXPECT_EQ(outcome.stats.actions + outcome.stats.skipped, plan.plannedActions())
        << "every planned action is either done or found impossible at its time";
    // The sessions have to get everywhere: each message, the ninth row and past it, a nearly full disk.
    for (const char* text : {"Please state the filename ", "Start value must be Numeric",
             "Lenght value must be Numeric", "Start value not Allowed", "Lenght Overloaded", "not allow to insert"}) {
        EXPECT_GE(outcome.stats.messages[text], 10U) << text;
    }
    EXPECT_GE(outcome.stats.mostRows[Control::lvDirectory], 10U);
    EXPECT_GE(outcome.stats.mostUsedBlocks, 48);
}

TEST(ContiguousSessions, CatchPlantedFaultsAndShrinkThem)
{
    // The shortest lists possible: one Add; eight Adds; a length and Clear.
    expectCaught<ListsAFileTwice>("a file listed twice", 4);
    expectCaught<FitsTheColumnOneRowLate>("the Lenght column fitted one row late", 32);
    expectCaught<ClearKeepsTheLength>("Clear keeps the length field", 2);
}

TEST(ContiguousSessions, InvariantsHoldOnAGoodScreenAndNoticeABrokenOne)
{
    SessionStream stream(7);
    ContiguousAdapter adapter(stream);
    for (const auto& [start, length] : {std::pair{"0", "4"}, {"10", "0"}, {"60", "4"}}) {
        adapter.apply(Action::type(Control::txFile, "f"));
        adapter.apply(Action::type(Control::txStart, start));
        adapter.apply(Action::type(Control::txLenght, length));
        EXPECT_TRUE(adapter.apply(Action::click(Control::cmAdd)).empty());
    }
    EXPECT_TRUE(adapter.invariants().empty());

    ContiguousForm& form = adapter.screen().form();
    form.disk.paint(20, 0x123456);
    form.directory.append("g", 2, 2, 0x010101);
    const auto breaches = adapter.invariants();
    const auto mentions = [&breaches](const std::string& words) {
        return std::any_of(
            breaches.begin(), breaches.end(), [&](const std::string& b) { return b.find(words) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("block 20 is coloured but belongs to no listed file"));
    EXPECT_TRUE(mentions("block 2 is given twice"));
    EXPECT_TRUE(mentions("lists block 3, which is"));
    form.directory.append("h", 70, 1, 0x010101);
    const auto offTheDisk = adapter.invariants();
    EXPECT_TRUE(std::any_of(offTheDisk.begin(), offTheDisk.end(),
        [](const std::string& b) { return b.find("off the disk") != std::string::npos; }));
}
