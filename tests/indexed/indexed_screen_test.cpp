#include "indexed/index_scheme.h"

#include "indexed_fixture.h"

#include <random>

namespace {

template <typename Scheme> class IndexedScreenTest : public ::testing::Test {
protected:
    SpreadStream stream;
    IndexedFixture<Scheme> fixture{stream};
};

using Schemes = ::testing::Types<LinkedIndexScheme, MultilevelIndexScheme>;
TYPED_TEST_SUITE(IndexedScreenTest, Schemes);

// A stream that keeps drawing one value.
class StuckStream final : public RandomStream {
public:
    explicit StuckStream(double value) : m_value(value) {}
    double next() override
    {
        ++drawn;
        return m_value;
    }
    int drawn = 0;

private:
    double m_value;
};

}  // namespace

TYPED_TEST(IndexedScreenTest, LoadBuildsTheListsAndEntryMode)
{
    const IndexedForm& form = this->fixture.form();
    std::vector<std::pair<std::string, float>> columns;
    for (const auto& c : form.lvDirectory.columns())
        columns.emplace_back(c.caption, c.width);
    EXPECT_EQ(columns,
        (std::vector<std::pair<std::string, float>>{
            {"F", 311.85F}, {"I", 311.85F}, {"File", 1559.25F}, {"Block Index", 1336.5F}, {"Blocks", 846.45F}}));
    EXPECT_TRUE(form.lvDirectory.isReportView());
    ASSERT_EQ(form.lvIndex.columns().size(), 1U);
    EXPECT_EQ(form.lvIndex.columns()[0].caption, "Index");
    EXPECT_EQ(form.lvIndex.columns()[0].width, 2458.95F);
    EXPECT_EQ(form.lbUsage, "Current Usage Block =");
    EXPECT_EQ(form.Label4.caption, "Label4");
    EXPECT_FALSE(form.Label4.visible);
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
    EntryForm& fields = t.screen->form().fields;
    EXPECT_TRUE(fields.isEnabled(Control::cmNext));
    EXPECT_TRUE(fields.isVisible(Control::cmNext));
    EXPECT_EQ(fields.takeFocusRequest(), Control::cmNext);
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
    EXPECT_EQ(fields.takeFocusRequest(), Control::txFile);
    for (const Control c : {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear})
        EXPECT_TRUE(fields.isEnabled(c));
    EXPECT_EQ(t.form().lbUsage, "Current Usage Blocks =" + std::to_string(t.disk().usedCount()));
    t.press();  // a hidden button does nothing
    t.expectConsistent();
}

TYPED_TEST(IndexedScreenTest, FieldChecksReportInOrderAndKeepTheName)
{
    auto& t = this->fixture;
    EXPECT_EQ(t.add("", "x"), (std::vector<Message>{messages::FILENAME_MISSING, messages::LENGHT_NOT_NUMERIC}));
    EXPECT_EQ(t.screen->state().fileCount, 0);
    EXPECT_EQ(t.screen->form().fields.takeFocusRequest(), Control::cmAdd);
    EXPECT_EQ(t.form().fields.text(Control::txLenght), "x");

    RecordingSink sink;
    t.screen->form().fields.setText(Control::txFile, "kept");
    t.screen->enterPressed(Control::txFile, sink);
    EXPECT_EQ(t.screen->state().fileName, "kept");
    t.screen->form().fields.setText(Control::txFile, "");
    t.screen->enterPressed(Control::txFile, sink);
    EXPECT_EQ(t.screen->state().fileName, "");  // stored even when the check fails
    EXPECT_EQ(sink.shown, std::vector<Message>{messages::FILENAME_MISSING});
    EXPECT_EQ(t.screen->form().fields.takeFocusRequest(), Control::txLenght);
}

TYPED_TEST(IndexedScreenTest, LengthsBeyondSixteenBitsAreOverloaded)
{
    auto& t = this->fixture;
    for (const char* length : {"57", "32767", "32768", "-32769", "-30000", "99999999999999999999", "1e309", "-1e309"})
        EXPECT_EQ(t.add("f", length), std::vector<Message>{messages::LENGHT_OVERLOADED}) << length;
    EXPECT_EQ(t.screen->state().fileCount, 8);  // each used up its number
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_TRUE(t.rows().empty());
    EXPECT_FALSE(t.screen->isPlacing());
    for (const char* length : {"0x10", "1,000", "\t", "+", "1e", "7 7"})
        EXPECT_EQ(t.add("f", length), std::vector<Message>{messages::LENGHT_NOT_NUMERIC}) << length;
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
    EXPECT_FALSE(t.screen->isPlacing());
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_TRUE(t.scheme->indexedBlocks().none());
    EXPECT_EQ(t.form().lbUsage, "Current Usage Block =");
    EXPECT_EQ(t.screen->state().fileCount, 4);
    ASSERT_TRUE(t.place("e", "56").empty());
    EXPECT_EQ(t.rows().front().cells[0], "4");
    EXPECT_EQ(t.disk().usedCount(), 64);
    t.expectConsistent();

    // A row click narrows the index column from 97 to 95 per cent; a row that is not there changes nothing.
    t.screen->showIndex(0);
    t.screen->showIndex(99);
    EXPECT_EQ(t.indexHeader(), "BLock Index  " + t.rows()[0].cells[3]);
    EXPECT_EQ(t.form().lvIndex.columns()[0].width, 2408.25F);
    EXPECT_EQ(t.form().lvIndex.rowCount(), 8U);
    t.screen->clear();
    EXPECT_EQ(t.screen->state().fileCount, 0);
    EXPECT_EQ(t.disk().usedCount(), 0);
    EXPECT_EQ(t.disk().cell(0).text, "");
    EXPECT_TRUE(t.rows().empty());
    EXPECT_EQ(t.form().lvIndex.columns().size(), 1U);
    EXPECT_EQ(t.indexHeader(), "Index");
    EXPECT_EQ(t.form().lvIndex.columns()[0].width, 2458.95F);
    EXPECT_TRUE(t.form().lvIndex.rows().empty());
    EXPECT_EQ(t.form().lbUsage, "Current Usage Blocks =0");  // not the count from before Clear
    EXPECT_NE(t.form().Label4.caption, "Label4");            // the trace stays
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
    EXPECT_EQ(t.scheme->table().files().rbegin()->first, 47);
}

TYPED_TEST(IndexedScreenTest, FileNumbersEndAtTheSixteenBitLimit)
{
    auto& t = this->fixture;
    for (int n = 0; n < IndexedScreen::MAX_FILE_COUNT; ++n)
        ASSERT_EQ(t.add("no", "57").size(), 1U);
    EXPECT_EQ(t.add("last", "1"), std::vector<Message>{IndexedScreen::FILE_NUMBERS_USED_UP});
    EXPECT_EQ(t.screen->state().fileCount, IndexedScreen::MAX_FILE_COUNT);
    EXPECT_FALSE(t.screen->isPlacing());
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
            t.screen->showIndex(pick() % 10);
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

TYPED_TEST(IndexedScreenTest, TheSearchForAFreeBlockAlwaysEnds)
{
    auto& t = this->fixture;
    ASSERT_TRUE(t.place("all", "56").empty());
    ASSERT_TRUE(t.scheme->indexedBlocks().all());
    StuckStream stuck(0.5);  // block 32, for ever
    Share share(stuck);
    EXPECT_EQ(t.scheme->drawFreeBlock(share), std::nullopt);
    EXPECT_EQ(stuck.drawn, 0);

    t.screen->clear();
    ASSERT_TRUE(t.add("one", "1").empty());
    t.press();  // takes one block, or two on Indexed_M
    const int lowestFree = t.disk().isFree(0) ? 0 : (t.disk().isFree(1) ? 1 : 2);
    const auto block = t.scheme->drawFreeBlock(share);
    if (t.disk().isFree(32)) {
        EXPECT_EQ(block, 32);
    } else {
        EXPECT_EQ(block, lowestFree);
        EXPECT_EQ(stuck.drawn, IndexScheme::MAX_DRAWS);
    }
}
