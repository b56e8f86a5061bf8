#include "reliability/sessions_testing.h"
#include "sessions/linked_reference.h"
#include "sessions/screen_adapter.h"

#include <gtest/gtest.h>

namespace {

// "Blocks to Go" shows one block more than there is to go.
struct CountsOneTooMany {
    static void plant(const Action&, const Form& before, Form& after)
    {
        const std::string caption(LinkedScreen::TO_GO_CAPTION);
        std::string& toGo = after.captions.at(Control::lbToGo);
        if (toGo != before.caption(Control::lbToGo) && toGo.starts_with(caption))
            toGo = caption + std::to_string(std::stoi(toGo.substr(caption.size())) + 1);
    }
};

}  // namespace

TEST(LinkedSessions, AgreeWithTheReferenceAfterEveryAction)
{
    auto outcome = runPlannedSessions<LinkedAdapter, LinkedReference>(PRESSING_SESSION);
    if (!outcome)
        return;
    // Every message (the rarest comes some ten times), the tenth row and past it, a nearly full disk.
    for (const char* text :
        {"Please state the filename ", "Start value must be Numeric", "Lenght value must be Numeric",
            "Start value not Allowed", "not allow to insert", "Lenght Overloaded", "Space not enough.total= "}) {
        EXPECT_GE(timesShown(outcome->stats, text), 5U) << text;
    }
    EXPECT_GE(outcome->stats.mostRows[Control::lvDirectory], 10U);
    EXPECT_GE(outcome->stats.mostUsedBlocks, 56);
}

TEST(LinkedSessions, CatchAPlantedFaultAndShrinkIt)
{
    // The shortest list: a name, a start, a length of two and Add.
    expectCaught<LinkedAdapter, CountsOneTooMany, LinkedReference>("Blocks to Go one too many", 4, PRESSING_SESSION);
}

TEST(LinkedSessions, InvariantsHoldOnAGoodScreenAndNoticeABrokenOne)
{
    SessionStream stream(3);
    LinkedAdapter adapter(stream);
    for (const auto& [start, length] : {std::pair{"0", "3"}, {"10", "0"}, {"20", "2"}})
        placeFile(adapter, {{Control::txFile, "f"}, {Control::txStart, start}, {Control::txLenght, length}});
    BlockDisk& disk = adapter.screen().mutableForm().disk;
    const int second = std::stoi(disk.cell(0).text);
    const std::string third = disk.cell(second).text;
    disk.setText(second, "0");
    EXPECT_TRUE(anyMentions(adapter.invariants(),
        "file 0: block " + std::to_string(second) + " shows \"0\" where the chain wants \"" + third + "\""));
    disk.setText(second, third);
    adapter.screen().mutableFiles().front().blocks.pop_back();
    EXPECT_TRUE(anyMentions(adapter.invariants(), "file 0: 2 blocks, counted as 3, for a Lenght of 3"));
    EXPECT_TRUE(anyMentions(adapter.invariants(), "block " + third + " is coloured but belongs to no listed file"));
    int free = 0;
    while (!disk.isFree(free))
        ++free;
    disk.paint(free, 0x010203);
    EXPECT_TRUE(anyMentions(adapter.invariants(), "the directory accounts for 6 blocks, the disk has 7 coloured"));
}
