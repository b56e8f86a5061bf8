#include "contiguous/contiguous_screen.h"

#include "support/printers.h"
#include "support/recording_sink.h"
#include "support/scripted_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Colours the scripted stream hands to the first files: (1,2,3), (4,5,6), ...
FileColour nthColour(int n)
{
    return {static_cast<std::int16_t>(3 * n + 1), static_cast<std::int16_t>(3 * n + 2),
        static_cast<std::int16_t>(3 * n + 3)};
}

std::vector<double> script(int files)
{
    std::vector<double> values;
    for (int n = 0; n < files; ++n) {
        const FileColour c = nthColour(n);
        for (const double v : colourDraws(c.R, c.G, c.B))
            values.push_back(v);
    }
    return values;
}

class ContiguousScreenTest : public ::testing::Test {
protected:
    ContiguousScreenTest() { screen.load(); }

    void type(const std::string& file, const std::string& start, const std::string& length)
    {
        screen.type(Control::txFile, file);
        screen.type(Control::txStart, start);
        screen.type(Control::txLenght, length);
    }

    std::vector<Message> add(const std::string& file, const std::string& start, const std::string& length)
    {
        type(file, start, length);
        RecordingSink sink;
        screen.addFile(sink);
        return sink.shown;
    }

    const BlockDisk& disk() const { return screen.form().disk; }
    const ReportList& directory() const { return screen.form().list(Control::lvDirectory); }
    std::vector<std::string> row(std::size_t i) const { return directory().rows().at(i).cells; }

    ScriptedStream stream{script(40)};
    Share share{stream};
    ContiguousScreen screen{share};
};

}  // namespace

TEST_F(ContiguousScreenTest, LoadStartsEmptyWithThreeColumns)
{
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(disk().label(0), "0");
    EXPECT_EQ(disk().label(63), "63");
    EXPECT_EQ(screen.form().fields.text(Control::txFile), "");
    EXPECT_EQ(screen.form().fields.text(Control::txStart), "");
    EXPECT_EQ(screen.form().fields.text(Control::txLenght), "");
    EXPECT_TRUE(directory().isReportView());
    ASSERT_EQ(directory().columns().size(), 3U);
    EXPECT_EQ(directory().columns()[0].caption, "File");
    EXPECT_EQ(directory().columns()[1].caption, "Start");
    EXPECT_EQ(directory().columns()[2].caption, "Lenght");
    EXPECT_EQ(directory().columns()[0].width, 1398.0F);
    EXPECT_EQ(directory().columns()[1].width, 1013.55F);
    EXPECT_EQ(directory().columns()[2].width, 1013.55F);
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_EQ(stream.drawn(), 0U);  // loading draws no colour
    EXPECT_FALSE(screen.form().fields.focusRequest().has_value());
}

TEST_F(ContiguousScreenTest, AddPaintsTheRunListsTheFileAndEmptiesTheFields)
{
    EXPECT_TRUE(add("a.txt", "5", "3").empty());
    const ColourValue colour = nthColour(0).packed();
    EXPECT_EQ(screen.currentColour(), nthColour(0));
    for (int b = 0; b < BlockDisk::BLOCKS; ++b)
        EXPECT_EQ(disk().colourOf(b), b >= 5 && b <= 7 ? colour : FREE_COLOUR) << b;
    ASSERT_EQ(directory().rowCount(), 1U);
    EXPECT_EQ(row(0), (std::vector<std::string>{"a.txt", "5", "3"}));
    EXPECT_EQ(directory().rows()[0].colour, colour);
    EXPECT_EQ(screen.form().fields.text(Control::txFile), "");
    EXPECT_EQ(screen.form().fields.text(Control::txStart), "");
    EXPECT_EQ(screen.form().fields.text(Control::txLenght), "");
    EXPECT_EQ(screen.takeFocusRequest(), Control::txFile);
}

TEST_F(ContiguousScreenTest, AllThreeFieldChecksRunInFieldOrderAndStopTheAdd)
{
    const auto shown = add("", "", "");
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[0], messages::filenameMissing());
    EXPECT_EQ(shown[1], messages::startNotNumeric());
    EXPECT_EQ(shown[2], messages::lenghtNotNumeric());
    EXPECT_FALSE(screen.entryCheck());
    EXPECT_EQ(screen.takeFocusRequest(), Control::cmAdd);
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_EQ(stream.drawn(), 3U);  // the colour was drawn before anything was examined

    const auto second = add("b", "x", "1");
    ASSERT_EQ(second.size(), 1U);
    EXPECT_EQ(second[0], messages::startNotNumeric());
    EXPECT_EQ(screen.form().fields.text(Control::txStart), "x");  // fields keep their text
}

TEST_F(ContiguousScreenTest, EnterRunsOnlyThatFieldsCheck)
{
    RecordingSink sink;
    type("", "7", "zz");
    screen.enterPressed(Control::txStart, sink);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(screen.takeFocusRequest(), Control::txLenght);
    screen.enterPressed(Control::txFile, sink);
    EXPECT_EQ(screen.takeFocusRequest(), Control::txStart);
    screen.enterPressed(Control::txLenght, sink);
    EXPECT_EQ(screen.takeFocusRequest(), Control::cmAdd);
    ASSERT_EQ(sink.shown.size(), 2U);
    EXPECT_EQ(sink.shown[0], messages::filenameMissing());
    EXPECT_EQ(sink.shown[1], messages::lenghtNotNumeric());
    EXPECT_EQ(stream.drawn(), 0U);
    EXPECT_EQ(disk().usedCount(), 0);
}

TEST_F(ContiguousScreenTest, StartOutsideTheDiskIsRefusedWhateverTheLength)
{
    for (const char* start :
        {"64", "-1", "63.5", "-0.6", "32768", "-32769", "99999999999999999999", "1e309", "-1e309"}) {
        const auto shown = add("f", start, "1");
        ASSERT_EQ(shown.size(), 1U) << start;
        EXPECT_EQ(shown[0], messages::startNotAllowed()) << start;
    }
    EXPECT_EQ(add("f", "64", "999999")[0], messages::startNotAllowed());
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_EQ(screen.form().fields.text(Control::txStart), "64");
}

TEST_F(ContiguousScreenTest, RunsEndingBeyondTheLastBlockAreOverloaded)
{
    for (const auto& [start, length] : std::vector<std::pair<const char*, const char*>>{
             {"63", "2"}, {"0", "65"}, {"1", "64"}, {"0", "32768"}, {"0", "99999999999999999999"}, {"0", "1e309"}}) {
        const auto shown = add("f", start, length);
        ASSERT_EQ(shown.size(), 1U) << start << ' ' << length;
        EXPECT_EQ(shown[0], messages::lenghtOverloaded());
    }
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(directory().rowCount(), 0U);
}

TEST_F(ContiguousScreenTest, LengthsBelowTheSixteenBitRangeAreRefusedAsOverloaded)
{
    for (const char* length : {"-32769", "-99999999999999999999", "-1e309"}) {
        const auto shown = add("f", "10", length);
        ASSERT_EQ(shown.size(), 1U) << length;
        EXPECT_EQ(shown[0], messages::lenghtOverloaded());
    }
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_TRUE(add("f", "10", "-32768").empty());
    EXPECT_EQ(row(0), (std::vector<std::string>{"f", "10", "-32768"}));
    EXPECT_EQ(disk().usedCount(), 0);
}

TEST_F(ContiguousScreenTest, TheWholeDiskAndItsLastBlock)
{
    EXPECT_TRUE(add("all", "0", "64").empty());
    EXPECT_EQ(disk().usedCount(), 64);
    screen.clear();
    EXPECT_TRUE(add("last", "63", "1").empty());
    EXPECT_EQ(disk().usedCount(), 1);
    EXPECT_FALSE(disk().isFree(63));
}

TEST_F(ContiguousScreenTest, ARunMeetingAUsedBlockPaintsNothing)
{
    ASSERT_TRUE(add("a", "10", "1").empty());
    const auto shown = add("b", "5", "6");  // 5..10, only the last block is taken
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], messages::writeDenied());
    EXPECT_EQ(disk().usedCount(), 1);
    for (int b = 5; b < 10; ++b)
        EXPECT_TRUE(disk().isFree(b)) << b;
    EXPECT_EQ(disk().colourOf(10), nthColour(0).packed());
    EXPECT_EQ(directory().rowCount(), 1U);
    EXPECT_EQ(screen.form().fields.text(Control::txFile), "b");
    EXPECT_EQ(screen.takeFocusRequest(), Control::cmAdd);
}

TEST_F(ContiguousScreenTest, OnlyTheFirstFailingAllocationCheckIsReported)
{
    ASSERT_TRUE(add("a", "60", "4").empty());
    const auto shown = add("b", "60", "5");  // both beyond the disk and overlapping
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], messages::lenghtOverloaded());
}

TEST_F(ContiguousScreenTest, ZeroAndNegativeLengthsAreListedButPaintNothing)
{
    EXPECT_TRUE(add("zero", "0", "0").empty());
    EXPECT_TRUE(add("neg", "63", "-3").empty());
    EXPECT_TRUE(add("  ", "2.5", "1e0").empty());
    EXPECT_EQ(disk().usedCount(), 1);
    EXPECT_FALSE(disk().isFree(2));  // 2.5 reads as 2
    EXPECT_EQ(row(0), (std::vector<std::string>{"zero", "0", "0"}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"neg", "63", "-3"}));
    EXPECT_EQ(row(2), (std::vector<std::string>{"  ", "2", "1"}));
}

TEST_F(ContiguousScreenTest, SameNameTwiceGivesTwoRowsInTwoColours)
{
    ASSERT_TRUE(add("dup", "0", "2").empty());
    ASSERT_TRUE(add("dup", "2", "2").empty());
    ASSERT_EQ(directory().rowCount(), 2U);
    EXPECT_EQ(row(0)[0], "dup");
    EXPECT_EQ(row(1)[0], "dup");
    EXPECT_EQ(directory().rows()[0].colour, nthColour(0).packed());
    EXPECT_EQ(directory().rows()[1].colour, nthColour(1).packed());
    EXPECT_EQ(disk().colourOf(3), nthColour(1).packed());
}

TEST_F(ContiguousScreenTest, ARefusedAddStillConsumesAColour)
{
    ASSERT_EQ(add("f", "70", "1").size(), 1U);
    ASSERT_TRUE(add("g", "0", "1").empty());
    EXPECT_EQ(disk().colourOf(0), nthColour(1).packed());
    EXPECT_EQ(stream.drawn(), 6U);
}

TEST_F(ContiguousScreenTest, TheLenghtColumnNarrowsOnlyWhileTheNinthRowGoesIn)
{
    const float wide = 1013.55F;
    const float narrow = 733.95F;
    for (int n = 1; n <= 10; ++n) {
        ASSERT_TRUE(add("f" + std::to_string(n), std::to_string(n), "1").empty());
        EXPECT_EQ(directory().columns()[2].width, n == 9 ? narrow : wide) << "after row " << n;
        EXPECT_EQ(directory().columns()[0].width, 1398.0F);
    }
}

TEST_F(ContiguousScreenTest, ClearFreesTheDiskEmptiesFieldsAndRowsButKeepsColumns)
{
    for (int n = 0; n < 9; ++n)
        ASSERT_TRUE(add("f", std::to_string(n), "1").empty());
    type("x", "1", "2");
    (void)screen.takeFocusRequest();
    const auto drawn = stream.drawn();

    screen.clear();
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_EQ(directory().columns().size(), 3U);
    EXPECT_EQ(directory().columns()[2].width, 733.95F);  // left as the ninth Add set it
    EXPECT_EQ(screen.form().fields.text(Control::txFile), "");
    EXPECT_EQ(screen.form().fields.text(Control::txLenght), "");
    EXPECT_FALSE(screen.form().fields.focusRequest().has_value());
    EXPECT_EQ(stream.drawn(), drawn);

    ASSERT_TRUE(add("again", "0", "1").empty());
    EXPECT_EQ(directory().columns()[2].width, 1013.55F);
    EXPECT_EQ(disk().colourOf(0), nthColour(9).packed());  // a fresh colour, not the old one
}

TEST_F(ContiguousScreenTest, ReloadingStartsOverButKeepsTheScreensOwnVariables)
{
    ASSERT_TRUE(add("a", "0", "4").empty());
    screen.unload();
    EXPECT_FALSE(screen.isLoaded());
    RecordingSink sink;
    screen.addFile(sink);  // a screen without a window ignores its buttons
    screen.clear();
    EXPECT_TRUE(sink.shown.empty());

    screen.load();
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_EQ(directory().rowCount(), 0U);
    EXPECT_EQ(directory().columns().size(), 3U);
    EXPECT_EQ(screen.currentColour(), nthColour(0));
    EXPECT_TRUE(screen.entryCheck());
}

TEST_F(ContiguousScreenTest, HostileTextNeverReachesTheDisk)
{
    const std::string longName(100000, 'n');
    const std::vector<std::pair<std::string, std::string>> inputs{{"\t", "\t"}, {"1\n", "1"},
        {"\xC3\xA9", "\xE2\x82\xAC"}, {"1e5", "1e-5"}, {"+", "-"}, {std::string(3, '\0'), "1"}, {"0x10", "1"},
        {"\xFF\xFE", "2"}};
    for (const auto& [start, length] : inputs) {
        const auto shown = add(longName, start, length);
        EXPECT_FALSE(shown.empty()) << start << ' ' << length;
    }
    EXPECT_EQ(disk().usedCount(), 0);
    EXPECT_TRUE(add(longName, "0", "1").empty());
    EXPECT_EQ(row(0)[0], longName);
}

TEST_F(ContiguousScreenTest, FilesAreRecordedAsAddedAndGoWithClearAndUnload)
{
    ASSERT_TRUE(add("a", "5", "3").empty());
    ASSERT_TRUE(add("zero", "0", "0").empty());
    ASSERT_TRUE(add("back", "1", "-4").empty());
    ASSERT_EQ(add("refused", "6", "2").size(), 1U);
    const auto& files = screen.files();
    ASSERT_EQ(files.size(), 3U);
    EXPECT_EQ(files[0].name, "a");
    EXPECT_EQ(files[0].colour, nthColour(0).packed());
    EXPECT_EQ(files[0].start, 5);
    EXPECT_FALSE(files[0].number.has_value());
    EXPECT_EQ(files[0].blocks, (std::vector<HeldBlock>{{5, BlockRole::Data}, {6, BlockRole::Data}, {7, BlockRole::Data}}));
    // A length of 0 or below is listed as typed and holds nothing.
    for (const auto& [i, typed] : {std::pair{1, 0}, {2, -4}}) {
        EXPECT_EQ(files[static_cast<std::size_t>(i)].typedLength, typed);
        EXPECT_EQ(files[static_cast<std::size_t>(i)].countedLength, 0);
        EXPECT_TRUE(files[static_cast<std::size_t>(i)].blocks.empty());
    }
    EXPECT_EQ(screen.mode(), Mode::Idle);
    screen.clear();
    EXPECT_TRUE(screen.files().empty());
    ASSERT_TRUE(add("b", "0", "1").empty());
    screen.unload();
    EXPECT_TRUE(screen.files().empty());
    screen.load();
    EXPECT_TRUE(screen.files().empty());
}
