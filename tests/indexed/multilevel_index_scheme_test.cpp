#include "indexed/index_scheme.h"

#include "indexed_fixture.h"

#include <array>

namespace {

using Fixture = IndexedFixture<MultilevelIndexScheme>;
using Spread = SpreadFixture<MultilevelIndexScheme>;

const std::vector<PlacementExample> EXAMPLES{
    {0, 0, 1, {{"0", ".Firs Level", "0"}}},
    {1, 2, 3, {{"0", ".Firs Level", "1"}, {"1", ".1", "1"}}},
    {7, 8, 9, {{"0", ".Firs Level", "1"}, {"1", ".1", "7"}}},
    {8, 9, 10, {{"0", ".Firs Level", "1"}, {"1", ".1", "8"}}},
    {9, 11, 12, {{"0", ".Firs Level", "2"}, {"1", ".1", "8"}, {"2", ".2", "1"}}},
    {16, 18, 19, {{"0", ".Firs Level", "2"}, {"1", ".1", "8"}, {"2", ".1", "8"}}},
    {20, 23, 24, {{"0", ".Firs Level", "3"}, {"1", ".1", "8"}, {"2", ".1", "8"}, {"3", ".3", "4"}}},
    {56, 63, 64,
        {{"0", ".Firs Level", "7"}, {"1", ".1", "8"}, {"2", ".1", "8"}, {"3", ".2", "8"}, {"4", ".3", "8"},
            {"5", ".4", "8"}, {"6", ".5", "8"}, {"7", ".6", "8"}}},
    // Below 0 like 0, but for the count of second-level blocks that the row shows.
    {-1, 0, 1, {{"0", ".Firs Level", "1"}}},
    {-5, 0, 1, {{"0", ".Firs Level", "1"}}},
    {-8, 0, 1, {{"0", ".Firs Level", "-1"}}},
    {-9, 0, 1, {{"0", ".Firs Level", "0"}}},
    {-28000, 0, 1, {{"0", ".Firs Level", "-3500"}}},
};

ColourValue complement(ColourValue c) { return packColour(255 - redOf(c), 255 - greenOf(c), 255 - blueOf(c)); }

}  // namespace

TEST(MultilevelIndexScheme, Counts)
{
    // Length, T, S, N.
    const std::vector<std::array<int, 4>> counts{{1, 1, 1, 3}, {7, 7, 1, 9}, {8, 9, 1, 10}, {9, 10, 2, 12},
        {16, 18, 2, 19}, {20, 22, 3, 24}, {56, 63, 7, 64}, {57, 64, 8, 66}, {0, 0, 0, 1}, {-8, -9, -1, 1}};
    for (const auto& [length, steps, secondLevel, needed] : counts) {
        EXPECT_EQ(MultilevelIndexScheme::stepCount(length), steps) << length;
        EXPECT_EQ(MultilevelIndexScheme::secondLevelCount(length), secondLevel) << length;
        EXPECT_EQ(MultilevelIndexScheme::blocksNeeded(length), needed) << length;
    }
}

TEST(MultilevelIndexScheme, EachLengthGetsItsBlocksRowsAndPresses)
{
    for (const PlacementExample& e : EXAMPLES) {
        SCOPED_TRACE("length " + std::to_string(e.length));
        const auto t = placeExample<MultilevelIndexScheme>(e);
        EXPECT_EQ(t->disk().cell(std::stoi(t->rows().at(0).cells[3])).text, "1st");
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            if (!t->disk().isFree(b)) {
                EXPECT_EQ(t->disk().cell(b).textColour, complement(t->disk().colourOf(b))) << b;
            }
        }
    }
}

TEST(MultilevelIndexScheme, ScriptedFileOfOne)
{
    // "1st" on 5; second-level block 1 draws 5 again and takes 6, in a colour of its own; data on 7.
    const Draws draws = Draws().colour(10, 20, 30).block(5).block(5).block(6).colour(200, 100, 0).block(7);
    ScriptedStream stream(draws.values);
    Fixture t(stream);
    ASSERT_TRUE(t.add("one", "1").empty());
    EXPECT_EQ(t.rows()[0].cells, (std::vector<std::string>{"0", "0", "one.Firs Level", "5", "1"}));
    EXPECT_EQ(t.rows()[0].colour, packColour(10, 20, 30));
    EXPECT_EQ(t.form().caption(Control::lbUsage), "Current Usage Blocks =1");
    EXPECT_EQ(t.disk().cell(5).textColour, packColour(245, 235, 225));

    t.press();
    t.screen->clickRow(1);
    EXPECT_EQ(t.indexHeader(), "BLock Index  6");
    EXPECT_EQ(t.indexEntries(), std::vector<std::string>(8, "-1"));  // mid-placement: not yet placed
    t.press();
    EXPECT_TRUE(t.screen->mode() == Mode::Placing);
    t.press();
    EXPECT_FALSE(t.screen->mode() == Mode::Placing);
    EXPECT_EQ(stream.drawn(), draws.values.size());

    EXPECT_EQ(t.rows()[1].cells, (std::vector<std::string>{"0", "1", "one.1", "6", "1"}));
    EXPECT_EQ(t.rows()[1].colour, packColour(200, 100, 0));
    EXPECT_EQ(t.disk().cell(6).text, "0");
    EXPECT_EQ(t.disk().cell(7).text, "1");
    EXPECT_EQ(t.disk().colourOf(7), packColour(200, 100, 0));
    EXPECT_EQ(t.disk().cell(7).textColour, packColour(55, 155, 255));
    EXPECT_EQ(t.form().caption(Control::Label4), "Label4(0,0,0) = 5(0,0,0) = 6(0,0,1) = 7");

    t.screen->clickRow(0);
    EXPECT_EQ(t.indexHeader(), "BLock Index  5");
    EXPECT_EQ(t.indexEntries(), (std::vector<std::string>{"6", "-1", "-1", "-1", "-1", "-1", "-1", "-1"}));
    t.screen->clickRow(1);
    EXPECT_EQ(t.indexEntries(), (std::vector<std::string>{"7", "-1", "-1", "-1", "-1", "-1", "-1", "-1"}));
}

TEST(MultilevelIndexScheme, ViewsOfALengthOfTwenty)
{
    Spread t;
    ASSERT_TRUE(t.place("twenty", "20").empty());
    const FileRecord& file = t.screen->files().front();
    t.screen->clickRow(0);
    EXPECT_EQ(t.indexHeader(), "BLock Index  " + t.rows()[0].cells[3]);
    EXPECT_EQ(t.indexEntries(),
        (std::vector<std::string>{
            t.rows()[1].cells[3], t.rows()[2].cells[3], t.rows()[3].cells[3], "-1", "-1", "-1", "-1", "-1"}));
    t.screen->clickRow(3);
    EXPECT_EQ(t.indexHeader(), "BLock Index  " + t.rows()[3].cells[3]);
    std::vector<std::string> expected;
    for (int k = 1; k <= 4; ++k) {
        const std::int16_t block = t.scheme->entry(file, 3, k);
        EXPECT_EQ(t.disk().cell(block).text, std::to_string(k));
        expected.push_back(std::to_string(block));
    }
    expected.insert(expected.end(), 4, "-1");
    EXPECT_EQ(t.indexEntries(), expected);
}

TEST(MultilevelIndexScheme, SpaceCheckAtItsEdge)
{
    Spread t;
    EXPECT_EQ(t.add("big", "57"), std::vector<Message>{messages::lenghtOverloaded()});  // 66 blocks
    EXPECT_TRUE(t.rows().empty());
    EXPECT_TRUE(t.place("all", "56").empty());
    EXPECT_EQ(t.disk().usedCount(), 64);

    t.screen->clear();
    ASSERT_TRUE(t.place("seven", "7").empty());  // 9 blocks
    ASSERT_TRUE(t.place("zero", "0").empty());   // 1
    ASSERT_EQ(t.disk().usedCount(), 10);
    EXPECT_EQ(t.add("over", "48"), std::vector<Message>{messages::lenghtOverloaded()});  // 55 blocks
    EXPECT_EQ(t.rows().size(), 3U);
    EXPECT_TRUE(t.place("fits", "47").empty());  // 54
    EXPECT_EQ(t.disk().usedCount(), 64);
    EXPECT_EQ(t.rows()[3].cells[0], "3");
    t.expectConsistent();
}
