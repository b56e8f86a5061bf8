#include "linked/linked_screen.h"

#include "core/random_stream.h"
#include "support/printers.h"
#include "support/recording_sink.h"
#include "support/scripted_stream.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Cells = std::vector<std::string>;

// The stream value that makes RandomBlock give block b.
double block(int b) { return (b + 0.5) / 64.0; }

// A script: the three colour draws of an Add that is to get the colour (r, r, r), then block draws.
std::vector<double> addThenBlocks(int r, std::initializer_list<int> blocks = {})
{
    std::vector<double> values = colourDraws(r, r, r);
    for (const int b : blocks)
        values.push_back(block(b));
    return values;
}

Message spaceNotEnough(const std::string& total)
{
    return {"Space not enough.total= " + total, "Write Denied", MessageIcon::Critical};
}

// Hands out the values that draw blocks 0, 1, ..., 63, 0, 1, ... for ever, so a walk takes the next
// free block in that cycle.
class CyclingStream final : public RandomStream {
public:
    double next() override { return block(static_cast<int>(m_next++ % BlockDisk::BLOCKS)); }
    std::uint64_t position() const override { return m_next; }
    void rewindTo(std::uint64_t position) override { m_next = position; }

private:
    std::uint64_t m_next = 0;
};

// A linked screen whose disk a test can paint behind its back, for states the screen itself never
// makes.
class PaintableLinkedScreen final : public LinkedScreen {
public:
    using LinkedScreen::LinkedScreen;
    // Takes a block for a planted file listed first, behind the screen's back.
    void takeBehindItsBack(int block)
    {
        Loaded& l = loaded();
        l.form.disk.paint(block, packColour(1, 1, 1));
        if (l.files.empty() || l.files.front().name != "(planted)") {
            FileRecord planted;
            planted.name = "(planted)";
            l.files.insert(l.files.begin(), planted);
            ReportList& directory = l.form.list(Control::lvDirectory);
            const std::vector<ReportList::Row> rows = directory.rows();
            directory.clearRows();
            directory.appendRow({{"(planted)", "", "", ""}, std::nullopt});
            for (const ReportList::Row& row : rows)
                directory.appendRow(row);
        }
        l.files.front().blocks.push_back({block, BlockRole::Data});
    }
};

// Drives one LinkedScreen over a given stream, as its window would.
struct Driver {
    explicit Driver(RandomStream& stream) : share(stream) { screen.load(); }

    std::vector<Message> add(const std::string& file, const std::string& start, const std::string& length)
    {
        screen.type(Control::txFile, file);
        screen.type(Control::txStart, start);
        screen.type(Control::txLenght, length);
        RecordingSink sink;
        screen.addFile(sink);
        return sink.shown;
    }
    std::vector<Message> next()
    {
        RecordingSink sink;
        screen.nextBlock(sink);
        return sink.shown;
    }
    void walkToTheEnd()
    {
        while (screen.mode() == Mode::Walking)
            ASSERT_TRUE(next().empty());
    }
    std::string firstFree() const
    {
        int b = 0;
        while (!disk().isFree(b))
            ++b;
        return std::to_string(b);
    }

    std::optional<Control> takeFocus() { return screen.takeFocusRequest(); }
    const Form& form() const { return screen.form(); }
    const BlockDisk& disk() const { return form().disk; }
    const ReportList& directory() const { return form().list(Control::lvDirectory); }
    Cells row(std::size_t i) const { return directory().rows().at(i).cells; }
    bool shown(Control c) const { return form().fields.isEnabled(c) && form().fields.isVisible(c); }
    bool hidden(Control c) const { return !form().fields.isEnabled(c) && !form().fields.isVisible(c); }
    bool idle() const
    {
        return form().fields.isEnabled(Control::cmAdd) && hidden(Control::cmNext) && hidden(Control::lbToGo);
    }
    bool walking() const
    {
        return !form().fields.isEnabled(Control::cmAdd) && shown(Control::cmNext) && shown(Control::lbToGo);
    }

    Share share;
    PaintableLinkedScreen screen{share};
};

// Follows every listed file's chain through the block texts and checks that the disk, the
// directory and the labels tell one story: each block belongs to one file at most, a finished file
// owns exactly as many blocks as it counts for, and nothing is painted that no file owns.
void expectConsistent(const Driver& d)
{
    const auto& rows = d.directory().rows();
    std::set<int> owned;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Cells& cells = rows[r].cells;
        const bool open = d.screen.mode() == Mode::Walking && r + 1 == rows.size();
        const int length = std::stoi(cells[2]);
        int b = std::stoi(cells[1]);
        std::vector<int> chain;
        while (true) {
            ASSERT_TRUE(owned.insert(b).second) << "block " << b << " given twice";
            chain.push_back(b);
            const std::string& text = d.disk().cell(b).text;
            if (text == "-1" || (open && b == d.screen.curBlock()))
                break;
            ASSERT_FALSE(text.empty()) << "chain of row " << r << " breaks at block " << b;
            b = std::stoi(text);
        }
        const auto waiting = static_cast<std::size_t>(open && chain.size() > 1);  // drawn, not yet painted
        for (std::size_t i = 0; i + waiting < chain.size(); ++i)
            EXPECT_EQ(d.disk().colourOf(chain[i]), rows[r].colour) << "row " << r << " block " << chain[i];
        if (waiting != 0) {
            EXPECT_TRUE(d.disk().isFree(chain.back()));
        }
        if (open) {
            EXPECT_TRUE(d.disk().cell(chain.back()).text.empty());
            EXPECT_EQ(static_cast<int>(chain.size()) + d.screen.fileLength(), length);
            EXPECT_EQ(cells[3], "");
        } else {
            EXPECT_EQ(static_cast<int>(chain.size()), std::max(length, 1)) << "row " << r;
            EXPECT_EQ(cells[3], length >= 2 ? std::to_string(chain.back()) : "");
        }
    }
    int painted = 0;
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        if (!d.disk().isFree(b)) {
            ++painted;
            EXPECT_TRUE(owned.contains(b)) << "block " << b << " is painted but no file owns it";
        } else if (!owned.contains(b)) {
            EXPECT_EQ(d.disk().cell(b).text, "") << b;
        }
    }
    if (d.screen.mode() != Mode::Walking) {
        EXPECT_EQ(painted, d.screen.usedTotal());
    }
}

const Cells EMPTY_FIELDS{"", "", ""};
Cells fieldTexts(const Driver& d)
{
    const auto& f = d.form().fields;
    return {f.text(Control::txFile), f.text(Control::txStart), f.text(Control::txLenght)};
}

}  // namespace

TEST(LinkedScreen, LoadStartsIdleOnAnEmptyDiskWithFourColumnsAndABareUsageLabel)
{
    ScriptedStream stream(std::vector<double>{});
    Driver d(stream);
    EXPECT_EQ(d.disk().usedCount(), 0);
    EXPECT_EQ(d.disk().label(9), "9");
    EXPECT_EQ(fieldTexts(d), EMPTY_FIELDS);
    EXPECT_TRUE(d.idle());
    EXPECT_FALSE(d.screen.mode() == Mode::Walking);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =");
    EXPECT_EQ(d.screen.fileLength(), 0);
    EXPECT_TRUE(d.directory().isReportView());
    ASSERT_EQ(d.directory().columns().size(), 4U);
    const std::vector<std::pair<std::string, float>> columns{
        {"File", 1048.5F}, {"Start", 733.95F}, {"Lenght", 873.75F}, {"End", 733.95F}};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(d.directory().columns()[c].caption, columns[c].first);
        EXPECT_EQ(d.directory().columns()[c].width, columns[c].second);
    }
    EXPECT_EQ(d.directory().rowCount(), 0U);
    EXPECT_FALSE(d.form().fields.focusRequest().has_value());
    EXPECT_EQ(stream.drawn(), 0U);
}

TEST(LinkedScreen, AOneBlockFileIsFinishedByItsAdd)
{
    ScriptedStream stream(addThenBlocks(7));
    Driver d(stream);
    EXPECT_TRUE(d.add("one", "63", "1").empty());
    EXPECT_EQ(d.disk().colourOf(63), packColour(7, 7, 7));
    EXPECT_EQ(d.disk().cell(63).text, "-1");
    EXPECT_EQ(d.disk().usedCount(), 1);
    EXPECT_EQ(d.row(0), (Cells{"one", "63", "1", ""}));
    EXPECT_EQ(d.directory().rows()[0].colour, packColour(7, 7, 7));
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =1");
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(fieldTexts(d), EMPTY_FIELDS);
    EXPECT_EQ(d.form().fields.focusRequest(), Control::txFile);
    EXPECT_TRUE(d.next().empty());  // Next is not pressable in Idle
    EXPECT_EQ(stream.drawn(), 3U);
}

TEST(LinkedScreen, TheWalkDrawsEachBlockRedrawingTakenOnesAndTheBlockThatWaits)
{
    // Press 1 draws 10 (the waiting start block) and then 20; press 2 draws 10 (taken), 20 (waiting)
    // and then 33; press 3 takes 5 at once; press 4 closes the chain.
    ScriptedStream stream(addThenBlocks(9, {10, 20, 10, 20, 33, 5}));
    Driver d(stream);
    const ColourValue colour = packColour(9, 9, 9);
    EXPECT_TRUE(d.add("four", "10", "4").empty());
    EXPECT_EQ(d.disk().colourOf(10), colour);
    EXPECT_EQ(d.disk().cell(10).text, "");
    EXPECT_EQ(d.form().caption(Control::lbToGo), "Blocks to Go =4");
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =4");
    EXPECT_TRUE(d.walking());
    EXPECT_EQ(d.takeFocus(), Control::cmNext);
    EXPECT_EQ(d.row(0), (Cells{"four", "10", "4", ""}));

    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 5U);
    EXPECT_EQ(d.disk().cell(10).text, "20");
    EXPECT_EQ(d.disk().colourOf(10), colour);
    EXPECT_TRUE(d.disk().isFree(20));  // drawn, painted by the next press
    EXPECT_EQ(d.disk().cell(20).text, "");
    EXPECT_EQ(d.form().caption(Control::lbToGo), "Blocks to Go =3");
    expectConsistent(d);

    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 8U);
    EXPECT_EQ(d.disk().cell(20).text, "33");
    EXPECT_EQ(d.disk().colourOf(20), colour);
    EXPECT_EQ(d.form().caption(Control::lbToGo), "Blocks to Go =2");

    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 9U);
    EXPECT_EQ(d.disk().cell(33).text, "5");
    EXPECT_EQ(d.form().caption(Control::lbToGo), "Blocks to Go =1");
    EXPECT_TRUE(d.walking());
    EXPECT_FALSE(d.form().fields.focusRequest().has_value());  // Next keeps the focus

    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 9U);  // closing draws nothing
    EXPECT_EQ(d.disk().cell(5).text, "-1");
    EXPECT_EQ(d.disk().colourOf(5), colour);
    EXPECT_EQ(d.row(0), (Cells{"four", "10", "4", "5"}));
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(d.takeFocus(), Control::txFile);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =4");
    EXPECT_EQ(d.disk().usedCount(), 4);
    expectConsistent(d);

    EXPECT_TRUE(d.next().empty());  // one press too many does nothing
    EXPECT_EQ(d.disk().usedCount(), 4);
}

TEST(LinkedScreen, AddRefusalsComeInTheirOrderWithTheirMessages)
{
    ScriptedStream stream(std::vector<double>(3 * 40, 0.5));
    Driver d(stream);
    const auto one = [](const std::vector<Message>& shown) {
        EXPECT_EQ(shown.size(), 1U);
        return shown.empty() ? Message{} : shown[0];
    };

    EXPECT_EQ(d.add("", "", ""),
        (std::vector<Message>{messages::filenameMissing(), messages::startNotNumeric(), messages::lenghtNotNumeric()}));
    EXPECT_EQ(d.form().fields.focusRequest(), Control::cmAdd);
    EXPECT_FALSE(d.screen.entryCheck());
    for (const char* start : {"64", "-1", "63.5", "-0.6", "32768", "-32769", "99999999999999999999", "1e309"})
        EXPECT_EQ(one(d.add("f", start, "999999")), messages::startNotAllowed()) << start;
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =");  // a refused Add leaves the label alone

    EXPECT_EQ(one(d.add("f", "0", "65")), spaceNotEnough("65"));
    EXPECT_EQ(one(d.add("f", "0", "32768")), spaceNotEnough("32768"));
    // The sum is shown in full, however long the typed length; one too long to write is refused.
    EXPECT_EQ(one(d.add("f", "0", "1e10")), spaceNotEnough("10000000000"));
    EXPECT_EQ(one(d.add("f", "0", "1e309")), spaceNotEnough("1" + std::string(309, '0')));
    EXPECT_EQ(one(d.add("f", "0", "1e401")), messages::lenghtOverloaded());
    EXPECT_EQ(one(d.add("f", "0", "-32769")), messages::lenghtOverloaded());  // below the field's range

    ASSERT_TRUE(d.add("a", "0", "1").empty());
    EXPECT_EQ(one(d.add("f", "0", "65")), messages::writeDenied());  // the start is judged first
    EXPECT_EQ(one(d.add("f", "1", "32767")), spaceNotEnough("32768"));
    EXPECT_EQ(one(d.add("f", "1", "99999999999999999999.5")), spaceNotEnough("100000000000000000001"));
    EXPECT_EQ(one(d.add("f", "1", "2147483647")), spaceNotEnough("2147483648"));  // no overflow
    EXPECT_EQ(d.form().fields.focusRequest(), Control::cmAdd);
    EXPECT_EQ(fieldTexts(d), (Cells{"f", "1", "2147483647"}));  // the fields keep their text
    EXPECT_EQ(d.directory().rowCount(), 1U);
    EXPECT_EQ(d.disk().usedCount(), 1);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =1");
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(stream.drawn(), 3U * 20U);  // every press drew its colour, refused or not
}

TEST(LinkedScreen, TheSpaceCheckCountsWhatTheDirectoryListsUpToSixtyFourExactly)
{
    CyclingStream stream;
    Driver d(stream);
    ASSERT_TRUE(d.add("a", "40", "30").empty());
    d.walkToTheEnd();
    ASSERT_TRUE(d.add("b", d.firstFree(), "20").empty());
    d.walkToTheEnd();
    EXPECT_EQ(d.add("c", d.firstFree(), "15"), std::vector<Message>{spaceNotEnough("65")});
    ASSERT_TRUE(d.add("c", d.firstFree(), "14").empty());
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =64");
    d.walkToTheEnd();
    EXPECT_EQ(d.disk().usedCount(), 64);
    expectConsistent(d);
    EXPECT_EQ(d.add("d", "0", "1"), std::vector<Message>{messages::writeDenied()});
}

TEST(LinkedScreen, FilesListedWithALengthBelowOneCountAsTheirStartBlock)
{
    CyclingStream stream;
    Driver d(stream);
    ASSERT_TRUE(d.add("zero", "0", "0").empty());
    ASSERT_TRUE(d.add("neg", "1", "-3").empty());
    ASSERT_TRUE(d.add("tiny", "2", "1e-5").empty());
    EXPECT_EQ(d.row(0), (Cells{"zero", "0", "0", ""}));
    EXPECT_EQ(d.row(1), (Cells{"neg", "1", "-3", ""}));
    EXPECT_EQ(d.disk().cell(1).text, "-1");
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =3");
    EXPECT_EQ(d.screen.usedTotal(), 3);
    EXPECT_TRUE(d.idle());

    // Counted by their lengths alone, the three would leave room for 64 more blocks.
    EXPECT_EQ(d.add("big", "10", "62"), std::vector<Message>{spaceNotEnough("65")});
    ASSERT_TRUE(d.add("big", "10", "61").empty());
    d.walkToTheEnd();
    EXPECT_EQ(d.disk().usedCount(), 64);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =64");
    expectConsistent(d);
}

TEST(LinkedScreen, TheWalkEndsWhereItStandsWhenTheDiskHoldsNoBlockForIt)
{
    // Blocks taken behind the directory's back stand for any way the count could go wrong.
    ScriptedStream stream(addThenBlocks(4, {30}));
    Driver d(stream);
    ASSERT_TRUE(d.add("f", "0", "5").empty());
    ASSERT_TRUE(d.next().empty());
    for (int b = 1; b < BlockDisk::BLOCKS; ++b) {
        if (b != 30)
            d.screen.takeBehindItsBack(b);
    }
    // Block 30 is free, but it is the one waiting for its successor.
    const auto shown = d.next();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(
        shown[0], (Message{"No free block left: the chain ends at block 30", "Write Denied", MessageIcon::Critical}));
    EXPECT_EQ(stream.drawn(), 4U);  // no draw was tried
    EXPECT_EQ(d.disk().cell(30).text, "-1");
    EXPECT_EQ(d.disk().colourOf(30), packColour(4, 4, 4));
    EXPECT_EQ(d.row(1), (Cells{"f", "0", "2", "30"}));
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =2");
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(d.form().fields.focusRequest(), Control::txFile);

    // The same when the start block itself is still waiting.
    ScriptedStream second(addThenBlocks(5));
    Driver e(second);
    for (int b = 1; b < BlockDisk::BLOCKS; ++b)
        e.screen.takeBehindItsBack(b);
    ASSERT_TRUE(e.add("g", "0", "3").empty());
    EXPECT_EQ(e.next().size(), 1U);
    EXPECT_EQ(e.row(1), (Cells{"g", "0", "1", "0"}));
    EXPECT_EQ(e.disk().cell(0).text, "-1");
    EXPECT_TRUE(e.idle());
    // Its record counts the blocks it got.
    const FileRecord& cut = e.screen.files()[1];
    EXPECT_TRUE(cut.cutShort && cut.complete);
    EXPECT_EQ(cut.typedLength, 3);
    EXPECT_EQ(cut.countedLength, 1);
}

TEST(LinkedScreen, TheEndColumnNarrowsFromTheAddThatFindsNineRows)
{
    ScriptedStream stream(std::vector<double>(3 * 11, 0.3));
    Driver d(stream);
    for (int n = 1; n <= 10; ++n) {
        ASSERT_TRUE(d.add("f", std::to_string(n), "1").empty());
        EXPECT_EQ(d.directory().columns()[3].width, n >= 10 ? 454.35F : 733.95F) << "after row " << n;
        EXPECT_EQ(d.directory().columns()[2].width, 873.75F);
    }
    d.screen.clear();
    EXPECT_EQ(d.directory().columns()[3].width, 454.35F);  // Clear leaves the widths
    ASSERT_TRUE(d.add("f", "0", "1").empty());
    EXPECT_EQ(d.directory().columns()[3].width, 733.95F);
}

TEST(LinkedScreen, ClearDuringAWalkEndsItOnAnEmptyDisk)
{
    std::vector<double> values = addThenBlocks(2, {40});
    for (const double v : addThenBlocks(3))
        values.push_back(v);
    ScriptedStream stream(values);
    Driver d(stream);
    ASSERT_TRUE(d.add("f", "12", "6").empty());
    ASSERT_TRUE(d.next().empty());
    d.screen.type(Control::txFile, "typed");
    (void)d.takeFocus();

    d.screen.clear();
    EXPECT_EQ(d.disk().usedCount(), 0);
    for (int b = 0; b < BlockDisk::BLOCKS; ++b)
        EXPECT_EQ(d.disk().cell(b).text, "") << b;
    EXPECT_EQ(d.directory().rowCount(), 0U);
    EXPECT_EQ(d.directory().columns().size(), 4U);
    EXPECT_EQ(fieldTexts(d), EMPTY_FIELDS);
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(d.takeFocus(), Control::txFile);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =0");
    EXPECT_EQ(d.form().caption(Control::lbToGo), "Blocks to Go =5");  // hidden, and left as it was
    EXPECT_EQ(d.screen.fileLength(), 0);
    EXPECT_EQ(d.screen.curBlock(), 0);
    EXPECT_EQ(d.screen.drawnBlock(), 0);
    EXPECT_EQ(d.screen.currentColour(), (FileColour{2, 2, 2}));
    EXPECT_EQ(stream.drawn(), 4U);

    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 4U);
    ASSERT_TRUE(d.add("g", "12", "1").empty());
    EXPECT_EQ(d.disk().usedCount(), 1);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =1");
}

TEST(LinkedScreen, DuringAWalkAddIsRefusedButTheFieldChecksStillRun)
{
    ScriptedStream stream(addThenBlocks(6));
    Driver d(stream);
    ASSERT_TRUE(d.add("f", "0", "3").empty());
    (void)d.takeFocus();
    EXPECT_TRUE(d.add("g", "5", "1").empty());
    EXPECT_EQ(stream.drawn(), 3U);
    EXPECT_EQ(d.directory().rowCount(), 1U);
    EXPECT_EQ(fieldTexts(d), (Cells{"g", "5", "1"}));

    RecordingSink sink;
    d.screen.type(Control::txLenght, "x");
    d.screen.enterPressed(Control::txStart, sink);
    d.screen.enterPressed(Control::txLenght, sink);
    EXPECT_EQ(sink.shown, std::vector<Message>{messages::lenghtNotNumeric()});
    EXPECT_EQ(d.form().fields.focusRequest(), Control::txLenght);  // Add cannot take it
    EXPECT_TRUE(d.walking());
}

TEST(LinkedScreen, ReloadingStartsIdleButKeepsTheScreensOwnVariables)
{
    ScriptedStream stream(addThenBlocks(8, {50}));
    Driver d(stream);
    ASSERT_TRUE(d.add("f", "3", "5").empty());
    ASSERT_TRUE(d.next().empty());
    d.screen.unload();
    EXPECT_FALSE(d.screen.mode() == Mode::Walking);
    RecordingSink sink;
    d.screen.addFile(sink);
    d.screen.nextBlock(sink);
    d.screen.clear();  // a screen without a window ignores its buttons
    EXPECT_TRUE(sink.shown.empty());

    d.screen.load();
    EXPECT_TRUE(d.idle());
    EXPECT_EQ(d.disk().usedCount(), 0);
    EXPECT_EQ(d.directory().rowCount(), 0U);
    EXPECT_EQ(d.form().caption(Control::lbCurTotal), "Current Block Usage =");
    EXPECT_EQ(d.screen.fileLength(), 0);
    EXPECT_EQ(d.screen.curBlock(), 50);
    EXPECT_EQ(d.screen.drawnBlock(), 50);
    EXPECT_EQ(d.screen.currentColour(), (FileColour{8, 8, 8}));
    EXPECT_TRUE(d.screen.entryCheck());
    EXPECT_TRUE(d.next().empty());
    EXPECT_EQ(stream.drawn(), 4U);
}

TEST(LinkedScreen, HostileTextGetsAMessageOrAnHonestFile)
{
    ScriptedStream stream(std::vector<double>(3 * 20, 0.7));
    Driver d(stream);
    const std::string longName(100000, 'n');
    const std::vector<std::pair<std::string, std::string>> refused{{"\t", "1"}, {"1", "\t"}, {"\xC3\xA9", "1"},
        {"1", "\xE2\x82\xAC"}, {"+", "1"}, {std::string(3, '\0'), "1"}, {"0x10", "1"}, {"1", "1e"}, {"1 2", "1"}};
    for (const auto& [start, length] : refused)
        EXPECT_EQ(d.add(longName, start, length).size(), 1U) << start << " / " << length;
    EXPECT_EQ(d.directory().rowCount(), 0U);

    EXPECT_TRUE(d.add(longName, "\t5\t", "+1e0").empty());
    EXPECT_TRUE(d.add("\xE2\x82\xAC", "6e0", "-0").empty());
    EXPECT_TRUE(d.add("halves", "2.5", "1.4").empty());  // to the even neighbour
    EXPECT_TRUE(d.add("halves", " 3.5 ", "1").empty());
    EXPECT_EQ(d.row(0), (Cells{longName, "5", "1", ""}));
    EXPECT_EQ(d.row(1), (Cells{"\xE2\x82\xAC", "6", "0", ""}));
    EXPECT_EQ(d.row(2), (Cells{"halves", "2", "1", ""}));
    EXPECT_EQ(d.row(3)[1], "4");
    expectConsistent(d);
}

TEST(LinkedScreen, AnyOrderOfPressesKeepsDiskDirectoryAndLabelsInStep)
{
    ProgramRandomStream stream;
    Driver d(stream);
    std::mt19937 pick(12345);
    const std::vector<std::string> lengths{"1", "2", "3", "5", "8", "13", "0", "-2", "64", "70", "x", ""};
    bool labelSet = false;
    int closed = 0;
    int full = 0;
    for (int step = 0; step < 6000; ++step) {
        const auto action = pick() % 64;
        if (action < 24) {
            const auto start = std::to_string(static_cast<int>(pick() % 70) - 3);
            const auto& length = lengths[pick() % lengths.size()];
            const bool wasWalking = d.screen.mode() == Mode::Walking;
            const auto rows = d.directory().rowCount();
            const auto shown = d.add("f" + std::to_string(step), start, length);
            labelSet = labelSet || d.directory().rowCount() > rows;
            if (wasWalking) {
                ASSERT_EQ(d.directory().rowCount(), rows);
            }
            full += static_cast<int>(!shown.empty() && shown[0].text.starts_with("Space not enough"));
        } else if (action == 24) {
            d.screen.clear();
            labelSet = true;
        } else if (action == 25) {
            d.screen.unload();
            d.screen.load();
            labelSet = false;
        } else {
            const bool wasWalking = d.screen.mode() == Mode::Walking;
            ASSERT_TRUE(d.next().empty());
            closed += static_cast<int>(wasWalking && d.screen.mode() != Mode::Walking);
        }
        ASSERT_TRUE(d.idle() || d.walking()) << "step " << step;
        ASSERT_EQ(d.walking(), d.screen.mode() == Mode::Walking);
        expectConsistent(d);
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
        EXPECT_EQ(d.form().caption(Control::lbCurTotal),
            labelSet ? "Current Block Usage =" + std::to_string(d.screen.usedTotal()) : "Current Block Usage =");
    }
    // The run went through many whole chains and often met a disk too full for the request.
    EXPECT_GT(closed, 200);
    EXPECT_GT(full, 50);
}

TEST(LinkedScreen, FilesHoldTheirChainInOrderWhileWalking)
{
    std::vector<double> values = addThenBlocks(2, {40, 12});
    for (const double v : addThenBlocks(3))
        values.push_back(v);
    ScriptedStream stream(values);
    Driver d(stream);
    ASSERT_TRUE(d.add("walk", "7", "3").empty());
    ASSERT_TRUE(d.next().empty());
    ASSERT_EQ(d.screen.files().size(), 1U);
    const FileRecord& walking = d.screen.files()[0];
    EXPECT_FALSE(walking.complete);
    EXPECT_EQ(walking.countedLength, 3);  // the whole file counts from its Add
    EXPECT_EQ(walking.blocks, (std::vector<HeldBlock>{{7, BlockRole::Data}, {40, BlockRole::Data}}));
    d.walkToTheEnd();
    EXPECT_TRUE(d.screen.files()[0].complete);
    EXPECT_EQ(d.screen.files()[0].blocks.back().block, 12);

    ASSERT_TRUE(d.add("short", "20", "-2").empty());
    EXPECT_EQ(d.screen.files()[1].typedLength, -2);
    EXPECT_EQ(d.screen.files()[1].countedLength, 1);
    EXPECT_EQ(d.screen.files()[1].blocks, (std::vector<HeldBlock>{{20, BlockRole::Data}}));
    d.screen.clear();
    EXPECT_TRUE(d.screen.files().empty());
}
