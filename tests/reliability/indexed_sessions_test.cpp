#include "reliability/sessions_testing.h"
#include "sessions/indexed_reference.h"
#include "sessions/screen_adapter.h"

#include <gtest/gtest.h>

namespace {

// Long enough for file numbers past 32 between two Clears.
constexpr std::size_t INDEXED_SESSION = 3000;

// Both schemes' sessions must get everywhere: every message, a full disk, long directories and a
// row clicked.
void expectEverywhere(const SessionsOutcome& outcome)
{
    for (const char* text : {"Please state the filename ", "Lenght value must be Numeric", "Lenght Overloaded"})
        EXPECT_GE(timesShown(outcome.stats, text), 10U) << text;
    EXPECT_GE(outcome.stats.mostRows.at(Control::lvDirectory), 8U);
    EXPECT_EQ(outcome.stats.mostRows.at(Control::lvIndex), 8U);
    EXPECT_EQ(outcome.stats.mostUsedBlocks, 64);
}

// Clear leaves the usage label showing the count from before it.
struct ClearKeepsTheUsage {
    static void plant(const Action& action, const Form& before, Form& after)
    {
        if (action.kind == ActionKind::Click && action.control == Control::cmClear)
            after.captions.at(Control::lbUsage) = before.caption(Control::lbUsage);
    }
};

}  // namespace

TEST(IndexedLinkedSessions, AgreeWithTheReferenceAfterEveryAction)
{
    if (const auto outcome = runPlannedSessions<LinkedIndexAdapter, LinkedIndexReference>(INDEXED_SESSION))
        expectEverywhere(*outcome);
}

TEST(IndexedMultilevelSessions, AgreeWithTheReferenceAfterEveryAction)
{
    if (const auto outcome = runPlannedSessions<MultilevelIndexAdapter, MultilevelIndexReference>(INDEXED_SESSION))
        expectEverywhere(*outcome);
}

TEST(IndexedMultilevelSessions, CatchAPlantedFaultAndShrinkIt)
{
    // The shortest list: Clear on the screen as it opens.
    expectCaught<MultilevelIndexAdapter, ClearKeepsTheUsage, MultilevelIndexReference>(
        "Clear keeps the usage label", 1, INDEXED_SESSION);
}

TEST(IndexedMultilevelSessions, InvariantsHoldOnAGoodScreenAndNoticeABrokenOne)
{
    SessionStream stream(5);
    MultilevelIndexAdapter adapter(stream);
    for (const char* length : {"9", "0", "1"})
        placeFile(adapter, {{Control::txFile, "f"}, {Control::txLenght, length}});
    Form& form = adapter.screen().mutableForm();
    const int firstLevel = std::stoi(form.list(Control::lvDirectory).rows()[0].cells[3]);
    form.disk.paint(firstLevel, FREE_COLOUR);
    EXPECT_TRUE(anyMentions(adapter.invariants(), "lists block " + std::to_string(firstLevel) + ", which is white"));
    form.list(Control::lvDirectory).appendRow({{"0", "7", "f.1", "3", "8"}, 0});
    EXPECT_TRUE(anyMentions(adapter.invariants(), "7 directory rows for 6 index blocks"));
    EXPECT_TRUE(
        anyMentions(adapter.invariants(), "with " + std::to_string(form.disk.usedCount()) + " blocks coloured"));
}
