#include "indexed/index_scheme.h"

#include "indexed_fixture.h"

namespace {

using Fixture = IndexedFixture<LinkedIndexScheme>;
using Spread = SpreadFixture<LinkedIndexScheme>;

const std::vector<PlacementExample> EXAMPLES{
    {0, 0, 0, {}},
    {1, 2, 2, {{"0", ".1", "1"}}},
    {7, 8, 8, {{"0", ".1", "7"}}},
    {8, 10, 10, {{"0", ".1", "7"}, {"1", ".1", "1"}}},
    {9, 11, 11, {{"0", ".1", "7"}, {"1", ".1", "2"}}},
    {16, 19, 19, {{"0", ".1", "7"}, {"1", ".1", "7"}, {"2", ".2", "2"}}},
    {20, 23, 23, {{"0", ".1", "7"}, {"1", ".1", "7"}, {"2", ".2", "6"}}},
    {49, 56, 56,
        {{"0", ".0", "7"}, {"1", ".1", "7"}, {"2", ".2", "7"}, {"3", ".3", "7"}, {"4", ".4", "7"}, {"5", ".5", "7"},
            {"6", ".6", "7"}}},
    {56, 64, 64,
        {{"0", ".0", "7"}, {"1", ".1", "7"}, {"2", ".2", "7"}, {"3", ".3", "7"}, {"4", ".4", "7"}, {"5", ".5", "7"},
            {"6", ".6", "7"}, {"7", ".7", "7"}}},
    // Below 0 nothing is placed: the first press ends the file.
    {-1, 0, 0, {}},
    {-2, 0, 0, {}},
    {-7, 0, 0, {}},
    {-28000, 0, 0, {}},
};

}  // namespace

TEST(LinkedIndexScheme, BlockCounts)
{
    const std::vector<std::pair<int, int>> counts{
        {1, 2}, {7, 8}, {8, 10}, {14, 16}, {20, 23}, {49, 56}, {56, 64}, {57, 66}, {0, 0}, {-1, 0}, {-2, -1}, {-7, -8}};
    for (const auto& [length, blocks] : counts)
        EXPECT_EQ(LinkedIndexScheme::blockCount(length), blocks) << length;
}

TEST(LinkedIndexScheme, EachLengthGetsItsBlocksRowsAndPresses)
{
    for (const PlacementExample& e : EXAMPLES) {
        SCOPED_TRACE("length " + std::to_string(e.length));
        const auto t = placeExample<LinkedIndexScheme>(e);
        int indexBlocks = 0;
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            indexBlocks += t->disk().cell(b).text == "0" ? 1 : 0;
            EXPECT_FALSE(t->disk().cell(b).textColour.has_value());
        }
        EXPECT_EQ(indexBlocks, static_cast<int>(e.rows.size()));
    }
}

TEST(LinkedIndexScheme, ScriptedFileOfEight)
{
    // Add's colour, then index block 10 in a new colour; 10 comes up again and is drawn anew.
    Draws draws;
    draws.colour(1, 2, 3).block(10).colour(4, 5, 6).block(10).block(11);
    for (int b = 12; b <= 17; ++b)
        draws.block(b);
    draws.block(30).colour(7, 8, 9).block(31);
    ScriptedStream stream(draws.values);
    Fixture t(stream);
    ASSERT_TRUE(t.add("log", "8").empty());
    for (int p = 0; p < 5; ++p)
        t.press();

    t.screen->clickRow(0);
    EXPECT_EQ(t.indexHeader(), "BLock Index  10");
    EXPECT_EQ(t.indexEntries(),
        (std::vector<std::string>{"11", "12", "13", "14", "-1", "-1", "-1", "-1 is the Next Index "}));

    EXPECT_EQ(t.finish(), 6);
    EXPECT_EQ(stream.drawn(), draws.values.size());
    EXPECT_EQ(t.form().caption(Control::Label4),
        "Label4(0,0,0) = 10(0,0,1) = 11(0,0,2) = 12(0,0,3) = 13(0,0,4) = 14(0,0,5) = 15(0,0,6) = 16(0,0,7) = "
        "17(0,1,0) = 30(0,1,1) = 31");
    ASSERT_EQ(t.rows().size(), 2U);
    EXPECT_EQ(t.rows()[0].cells, (std::vector<std::string>{"0", "0", "log.1", "10", "7"}));
    EXPECT_EQ(t.rows()[1].cells, (std::vector<std::string>{"0", "1", "log.1", "30", "1"}));
    EXPECT_EQ(t.rows()[0].colour, packColour(4, 5, 6));
    EXPECT_EQ(t.rows()[1].colour, packColour(7, 8, 9));
    EXPECT_EQ(t.disk().colourOf(17), packColour(4, 5, 6));
    EXPECT_EQ(t.disk().cell(17).text, "7");
    EXPECT_EQ(t.disk().colourOf(31), packColour(7, 8, 9));
    EXPECT_EQ(t.disk().cell(31).text, "1");

    t.screen->clickRow(0);
    EXPECT_EQ(t.indexEntries().back(), "30 is the Next Index ");
    t.screen->clickRow(1);
    EXPECT_EQ(t.indexHeader(), "BLock Index  30");
    EXPECT_EQ(t.indexEntries(),
        (std::vector<std::string>{"31", "-1", "-1", "-1", "-1", "-1", "-1", "-1 is the Next Index "}));
}

TEST(LinkedIndexScheme, SpaceCheckAtItsEdge)
{
    Spread t;
    EXPECT_EQ(t.add("big", "57"), std::vector<Message>{messages::lenghtOverloaded()});
    EXPECT_FALSE(t.screen->mode() == Mode::Placing);
    EXPECT_EQ(t.form().fields.text(Control::txLenght), "57");
    EXPECT_TRUE(t.place("all", "56").empty());
    EXPECT_EQ(t.disk().usedCount(), 64);
    EXPECT_EQ(t.rows().front().cells[0], "1");  // the refused file kept number 0

    t.screen->clear();
    ASSERT_TRUE(t.place("seven", "7").empty());
    EXPECT_EQ(t.add("over", "50"), std::vector<Message>{messages::lenghtOverloaded()});  // 8 + 58 blocks
    EXPECT_TRUE(t.place("rest", "49").empty());                                         // 8 + 56
    EXPECT_EQ(t.disk().usedCount(), 64);
    t.expectConsistent();
}

TEST(LinkedIndexScheme, NegativeLengthsDrawNoBlockAndEndAtOnce)
{
    for (const char* length : {"-1", "-2", "-8", "-28000"}) {
        ScriptedStream stream(Draws().colour(9, 9, 9).values);
        Fixture t(stream);
        ASSERT_TRUE(t.add("neg", length).empty()) << length;
        t.press();
        EXPECT_FALSE(t.screen->mode() == Mode::Placing) << length;
        EXPECT_EQ(stream.drawn(), 3U);
        EXPECT_EQ(t.disk().usedCount(), 0);
        EXPECT_TRUE(t.rows().empty());
        EXPECT_EQ(t.form().caption(Control::lbUsage), "Current Usage Blocks =0");
    }
}

TEST(LinkedIndexScheme, AViewNeverReadsBeyondTheTable)
{
    Spread t;
    ASSERT_TRUE(t.place("x", "7").empty());
    const FileRecord& placed = t.screen->files().front();
    const FileRecord none;  // a file that holds no block
    for (const auto& [file, ordinal] : std::vector<std::pair<const FileRecord*, int>>{{&none, 0}, {&none, 1},
             {&placed, -1}, {&placed, 8}, {&placed, 9}, {&placed, 2147483647}, {&placed, -2147483647 - 1}}) {
        const IndexView view = t.scheme->indexView(*file, ordinal);
        EXPECT_EQ(view.header, "BLock Index  -1");
        EXPECT_EQ(view.entries,
            (std::vector<std::string>{"-1", "-1", "-1", "-1", "-1", "-1", "-1", "-1 is the Next Index "}));
    }
}
