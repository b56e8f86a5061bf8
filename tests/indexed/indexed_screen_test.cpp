#include "indexed/index_scheme.h"

#include "indexed_fixture.h"

#include <algorithm>
#include <random>
#include <type_traits>

namespace {

long takenCount(const Screen& screen)
{
    const std::vector<bool> taken = screen.takenBlocks();
    return std::count(taken.begin(), taken.end(), true);
}

}  // namespace

namespace {

template <typename Scheme> class IndexedScreenTest : public ::testing::Test {
protected:
    SpreadStream stream;
    IndexedFixture<Scheme> fixture{stream};
};

using Schemes = ::testing::Types<LinkedIndexScheme, MultilevelIndexScheme>;
TYPED_TEST_SUITE(IndexedScreenTest, Schemes);

}  // namespace

TYPED_TEST(IndexedScreenTest, LoadBuildsTheListsAndEntryMode)
{
    const Form& form = this->fixture.form();
    std::vector<std::pair<std::string, float>> columns;
    for (const auto& c : form.list(Control::lvDirectory).columns())
        columns.emplace_back(c.caption, c.width);
    EXPECT_EQ(columns,
        (std::vector<std::pair<std::string, float>>{
            {"F", 311.85F}, {"I", 311.85F}, {"File", 1559.25F}, {"Block Index", 1336.5F}, {"Blocks", 846.45F}}));
    EXPECT_TRUE(form.list(Control::lvDirectory).isReportView());
    ASSERT_EQ(form.list(Control::lvIndex).columns().size(), 1U);
    EXPECT_EQ(form.list(Control::lvIndex).columns()[0].caption, "Index");
    EXPECT_EQ(form.list(Control::lvIndex).columns()[0].width, 2458.95F);
    EXPECT_EQ(form.caption(Control::lbUsage), "Current Usage Block =");
    EXPECT_EQ(form.caption(Control::Label4), "Label4");
    EXPECT_FALSE(form.fields.isVisible(Control::Label4));
    EXPECT_FALSE(form.fields.isEnabled(Control::cmNext));
    EXPECT_FALSE(form.fields.isVisible(Control::cmNext));
    for (const Control c : {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear})
        EXPECT_TRUE(form.fields.isEnabled(c));
    EXPECT_EQ(form.fields.text(Control::txFile), "");
    EXPECT_EQ(form.disk.label(63), "63");
}

TYPED_TEST(IndexedScreenTest, AddEntersAndTheLastPressLeavesPlacementMode)
{
    auto& t = this->fixture;
    ASSERT_TRUE(t.add("f", "3").empty());
    const EntryForm& fields = t.screen->form().fields;
    EXPECT_TRUE(fields.isEnabled(Control::cmNext));
    EXPECT_TRUE(fields.isVisible(Control::cmNext));
    EXPECT_EQ(t.screen->takeFocusRequest(), Control::cmNext);
    for (const Control c : {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear})
        EXPECT_FALSE(fields.isEnabled(c));
    EXPECT_EQ(fields.text(Control::txFile), "");
    EXPECT_EQ(fields.text(Control::txLenght), "");
    EXPECT_EQ(t.screen->state().fileName, "f");

    // Add and Clear are out of reach while a file is being placed.
    const int used = t.disk().usedCount();
    EXPECT_TRUE(t.add("g", "1").empty());
    t.screen->clear();
    EXPECT_EQ(t.disk().usedCount(), used);
    EXPECT_EQ(t.screen->state().fileCount, 1);

    t.finish();
    EXPECT_FALSE(fields.isVisible(Control::cmNext));
    EXPECT_EQ(t.screen->takeFocusRequest(), Control::txFile);
    for (const Control c : {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear})
        EXPECT_TRUE(fields.isEnabled(c));
    EXPECT_EQ(t.form().caption(Control::lbUsage), "Current Usage Blocks =" + std::to_string(t.disk().usedCount()));
    t.press();  // a hidden button does nothing
    t.expectConsistent();
}

TYPED_TEST(IndexedScreenTest, FieldChecksReportInOrderAndKeepTheName)
{
    auto& t = this->fixture;
    EXPECT_EQ(t.add("", "x"), (std::vector<Message>{messages::filenameMissing(), messages::lenghtNotNumeric()}));
    EXPECT_EQ(t.screen->state().fileCount, 0);
    EXPECT_EQ(t.screen->takeFocusRequest(), Control::cmAdd);
    EXPECT_EQ(t.form().fields.text(Control::txLenght), "x");

    RecordingSink sink;
    t.screen->type(Control::txFile, "kept");
    t.screen->enterPressed(Control::txFile, sink);
    EXPECT_EQ(t.screen->state().fileName, "kept");
    t.screen->type(Control::txFile, "");
    t.screen->enterPressed(Control::txFile, sink);
    EXPECT_EQ(t.screen->state().fileName, "");  // stored even when the check fails
    EXPECT_EQ(sink.shown, std::vector<Message>{messages::filenameMissing()});
    EXPECT_EQ(t.screen->takeFocusRequest(), Control::txLenght);
}

TYPED_TEST(IndexedScreenTest, LengthsBeyondSixteenBitsAreOverloaded)
{
    auto& t = this->fixture;
    for (const char* length : {"57", "32767", "32768", "-32769", "-30000", "99999999999999999999", "1e309", "-1e309"})
        EXPECT_EQ(t.add("f", length), std::vector<Message>{messages::lenghtOverloaded()}) << length;
    EXPECT_EQ(t.screen->state().fileCount, 8);  // each used up its number
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_TRUE(t.rows().empty());
    EXPECT_FALSE(t.screen->mode() == Mode::Placing);
    for (const char* length : {"0x10", "1,000", "\t", "+", "1e", "7 7"})
        EXPECT_EQ(t.add("f", length), std::vector<Message>{messages::lenghtNotNumeric()}) << length;
    EXPECT_EQ(t.screen->state().fileCount, 8);
}

TYPED_TEST(IndexedScreenTest, FileNumbersSurviveRefusalsAndReloadsButNotClear)
{
    auto& t = this->fixture;
    ASSERT_TRUE(t.place("a", "1").empty());
    ASSERT_EQ(t.add("b", "60").size(), 1U);
    ASSERT_TRUE(t.place("c", "1").empty());
    EXPECT_EQ(t.rows().back().cells[0], "2");

    // Away in the middle of a placement and back: an empty screen in entry mode, numbers go on.
    ASSERT_TRUE(t.add("d", "9").empty());
    t.press();
    t.screen->unload();
    t.screen->load();
    EXPECT_FALSE(t.screen->mode() == Mode::Placing);
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_EQ(takenCount(*t.screen), 0);
    EXPECT_EQ(t.form().caption(Control::lbUsage), "Current Usage Block =");
    EXPECT_EQ(t.screen->state().fileCount, 4);
    ASSERT_TRUE(t.place("e", "56").empty());
    EXPECT_EQ(t.rows().front().cells[0], "4");
    EXPECT_EQ(t.disk().usedCount(), 64);
    t.expectConsistent();

    // A row click narrows the index column from 97 to 95 per cent; a row that is not there changes nothing.
    t.screen->clickRow(0);
    t.screen->clickRow(99);
    EXPECT_EQ(t.indexHeader(), "BLock Index  " + t.rows()[0].cells[3]);
    EXPECT_EQ(t.form().list(Control::lvIndex).columns()[0].width, 2408.25F);
    EXPECT_EQ(t.form().list(Control::lvIndex).rowCount(), 8U);
    t.screen->clear();
    EXPECT_EQ(t.screen->state().fileCount, 0);
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_EQ(t.disk().cell(0).text, "");
    EXPECT_TRUE(t.rows().empty());
    EXPECT_EQ(t.form().list(Control::lvIndex).columns().size(), 1U);
    EXPECT_EQ(t.indexHeader(), "Index");
    EXPECT_EQ(t.form().list(Control::lvIndex).columns()[0].width, 2458.95F);
    EXPECT_TRUE(t.form().list(Control::lvIndex).rows().empty());
    EXPECT_EQ(t.form().caption(Control::lbUsage), "Current Usage Blocks =0");  // not the count from before Clear
    EXPECT_NE(t.form().caption(Control::Label4), "Label4");            // the trace stays
    ASSERT_TRUE(t.place("f", "1").empty());
    EXPECT_EQ(t.rows().front().cells[0], "0");
}

TYPED_TEST(IndexedScreenTest, FileNumbersBeyondTheOldTablesAreStoredAndSearched)
{
    auto& t = this->fixture;
    for (int n = 0; n < 40; ++n)
        ASSERT_EQ(t.add("no", "99").size(), 1U);
    for (int n = 0; n < 8; ++n)
        ASSERT_TRUE(t.place("f" + std::to_string(n), "6").empty());
    EXPECT_EQ(t.rows().front().cells[0], "40");
    EXPECT_EQ(t.rows().back().cells[0], "47");
    EXPECT_GE(t.disk().usedCount(), 56);
    t.expectConsistent();
    EXPECT_EQ(t.screen->files().back().number, 47);
}

TYPED_TEST(IndexedScreenTest, FileNumbersEndAtTheSixteenBitLimit)
{
    auto& t = this->fixture;
    for (int n = 0; n < IndexedScreen::MAX_FILE_COUNT; ++n)
        ASSERT_EQ(t.add("no", "57").size(), 1U);
    EXPECT_EQ(t.add("last", "1"), std::vector<Message>{messages::fileNumbersUsedUp()});
    EXPECT_EQ(t.screen->state().fileCount, IndexedScreen::MAX_FILE_COUNT);
    EXPECT_FALSE(t.screen->mode() == Mode::Placing);
    t.screen->clear();
    EXPECT_TRUE(t.place("first", "1").empty());
    EXPECT_EQ(t.rows().front().cells[0], "0");
}

TYPED_TEST(IndexedScreenTest, HundredsOfAddsClearsAndReloadsKeepEveryBlockInOneFile)
{
    auto& t = this->fixture;
    std::mt19937 pick(7);
    const std::vector<std::string> lengths{"0", "1", "2", "5", "7", "8", "9", "-1", "-3", "-9", "57", "70000", "", "x"};
    for (int step = 0; step < 600; ++step) {
        const auto what = pick() % 20;
        if (what < 12) {
            t.add(what % 3 == 0 ? "" : "f", lengths[pick() % lengths.size()]);
        } else if (what < 17) {
            for (auto presses = pick() % 6; presses > 0; --presses)
                t.press();
        } else if (what == 17) {
            t.screen->clear();
        } else if (what == 18) {
            t.screen->unload();
            t.screen->load();
        } else {
            t.screen->clickRow(pick() % 10);
        }
        t.expectConsistent();
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
    t.finish();
    while (t.place("fill", "1").empty())
        t.expectConsistent();
    EXPECT_GE(t.disk().usedCount(), 62);
    t.expectConsistent();
}

TYPED_TEST(IndexedScreenTest, AFullTableLeavesNoBlockToDraw)
{
    auto& t = this->fixture;
    ASSERT_TRUE(t.place("all", "56").empty());
    ASSERT_EQ(takenCount(*t.screen), BlockDisk::BLOCKS);
    EXPECT_EQ(t.disk().usedCount(), BlockDisk::BLOCKS);
}

TYPED_TEST(IndexedScreenTest, FilesHoldTheirBlocksInReadingOrderWithTheIndexBlocksMarked)
{
    auto& t = this->fixture;
    const bool multilevel = std::is_same_v<TypeParam, MultilevelIndexScheme>;
    ASSERT_TRUE(t.add("f", "9").empty());
    t.press();
    t.press();
    ASSERT_EQ(t.screen->files().size(), 1U);
    const FileRecord& placing = t.screen->files()[0];
    EXPECT_FALSE(placing.complete);
    EXPECT_EQ(placing.number, 0);
    EXPECT_EQ(placing.typedLength, 9);
    EXPECT_EQ(placing.countedLength, 9);
    // Indexed_L: index block 0, then its data; Indexed_M: "1st" at Add, a second-level block, data.
    const std::vector<BlockRole> roles = multilevel
        ? std::vector<BlockRole>{BlockRole::FirstLevelIndex, BlockRole::Index, BlockRole::Data}
        : std::vector<BlockRole>{BlockRole::Index, BlockRole::Data};
    ASSERT_EQ(placing.blocks.size(), roles.size());
    for (std::size_t i = 0; i < roles.size(); ++i)
        EXPECT_EQ(placing.blocks[i].role, roles[i]) << i;
    EXPECT_EQ(placing.colour, t.rows().front().colour);
    t.finish();
    EXPECT_TRUE(t.screen->files()[0].complete);
    EXPECT_EQ(t.screen->files()[0].blocks.size(), multilevel ? 12U : 11U);

    // A refused file keeps its number but is not a file; a length of 0 is one that holds little.
    ASSERT_EQ(t.add("big", "60").size(), 1U);
    ASSERT_TRUE(t.place("none", "0").empty());
    ASSERT_EQ(t.screen->files().size(), 2U);
    EXPECT_EQ(t.screen->files()[1].number, 2);
    EXPECT_EQ(t.screen->files()[1].blocks.size(), multilevel ? 1U : 0U);
    t.screen->unload();
    t.screen->load();
    EXPECT_TRUE(t.screen->files().empty());
}
