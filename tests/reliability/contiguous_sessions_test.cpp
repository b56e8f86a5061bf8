#include "reliability/contiguous_reference.h"
#include "reliability/screen_adapter.h"
#include "reliability/session.h"
#include "reliability/sessions_testing.h"

#include <gtest/gtest.h>

namespace {

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

    ContiguousForm& form = adapter.screen().form();
    form.disk.paint(20, 0x123456);
    form.directory.append("g", 2, 2, 0x010101);
    const auto breaches = adapter.invariants();
    const auto mentions = [&breaches](const std::string& words) { return anyMentions(breaches, words); };
    EXPECT_TRUE(mentions("block 20 is coloured but belongs to no listed file"));
    EXPECT_TRUE(mentions("block 2 is given twice"));
    EXPECT_TRUE(mentions("lists block 3, which is"));
    form.directory.append("h", 70, 1, 0x010101);
    EXPECT_TRUE(anyMentions(adapter.invariants(), "off the disk"));
}
