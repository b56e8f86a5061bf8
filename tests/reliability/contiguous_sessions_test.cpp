#include "reliability/sessions_testing.h"
#include "sessions/contiguous_reference.h"
#include "sessions/screen_adapter.h"
#include "sessions/session.h"

#include <gtest/gtest.h>

namespace {

// A successful Add also lists its file a second time.
struct ListsAFileTwice {
    static void plant(const Action&, const Form& before, Form& after)
    {
        ReportList& directory = after.list(Control::lvDirectory);
        if (directory.rowCount() > before.list(Control::lvDirectory).rowCount() && directory.rows().back().cells[2] != "0")
            directory.appendRow(ReportList::Row(directory.rows().back()));
    }
};

// The Lenght column is fitted to the number of rows after the new row, not before it.
struct FitsTheColumnOneRowLate {
    static void plant(const Action&, const Form& before, Form& after)
    {
        ReportList& directory = after.list(Control::lvDirectory);
        if (directory.rowCount() > before.list(Control::lvDirectory).rowCount())
            directory.setColumnPercent(2, directory.rowCount() == 8 ? 21 : 29);
    }
};

// Clear leaves the length field as it was.
struct ClearKeepsTheLength {
    static void plant(const Action& action, const Form& before, Form& after)
    {
        if (action.kind == ActionKind::Click && action.control == Control::cmClear)
            after.fields.setText(Control::txLenght, before.fields.text(Control::txLenght));
    }
};

}  // namespace

TEST(ContiguousSessions, AgreeWithTheReferenceAfterEveryAction)
{
    auto outcome = runPlannedSessions<ContiguousAdapter, ContiguousReference>();
    if (!outcome)
        return;
    // The sessions have to get everywhere: each message, the ninth row and past it, a nearly full disk.
    for (const char* text : {"Please state the filename ", "Start value must be Numeric",
             "Lenght value must be Numeric", "Start value not Allowed", "Lenght Overloaded", "not allow to insert"}) {
        EXPECT_GE(outcome->stats.messages[text], 10U) << text;
    }
    EXPECT_GE(outcome->stats.mostRows[Control::lvDirectory], 10U);
    EXPECT_GE(outcome->stats.mostUsedBlocks, 48);
}

TEST(ContiguousSessions, CatchPlantedFaultsAndShrinkThem)
{
    // The shortest lists possible: one Add; eight Adds; a length and Clear.
    expectCaught<ContiguousAdapter, ListsAFileTwice, ContiguousReference>("a file listed twice", 4);
    expectCaught<ContiguousAdapter, FitsTheColumnOneRowLate, ContiguousReference>(
        "the Lenght column fitted one row late", 32);
    expectCaught<ContiguousAdapter, ClearKeepsTheLength, ContiguousReference>("Clear keeps the length field", 2);
}

TEST(ContiguousSessions, InvariantsHoldOnAGoodScreenAndNoticeABrokenOne)
{
    SessionStream stream(7);
    ContiguousAdapter adapter(stream);
    for (const auto& [start, length] : {std::pair{"0", "4"}, {"10", "0"}, {"60", "4"}})
        placeFile(adapter, {{Control::txFile, "f"}, {Control::txStart, start}, {Control::txLenght, length}});

    Form& form = adapter.screen().mutableForm();
    auto& files = adapter.screen().mutableFiles();
    form.disk.paint(20, 0x123456);
    FileRecord& listedTwice = files.emplace_back(files.front());
    listedTwice.blocks.pop_back();
    const auto breaches = adapter.invariants();
    const auto mentions = [&breaches](const std::string& words) { return anyMentions(breaches, words); };
    EXPECT_TRUE(mentions("block 20 is coloured but belongs to no listed file"));
    EXPECT_TRUE(mentions("block 2 is given twice"));
    EXPECT_TRUE(mentions("3 directory rows for 4 files"));
    EXPECT_TRUE(mentions("file 3: its blocks are not the run from its start for its length"));
    form.list(Control::lvDirectory).setCell(0, 1, "7");
    EXPECT_TRUE(anyMentions(adapter.invariants(), "file 0: its directory row shows something else"));
}
