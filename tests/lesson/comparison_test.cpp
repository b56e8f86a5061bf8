#include "core/random_stream.h"
#include "core/screen.h"
#include "lesson/comparison.h"
#include "lesson/screens.h"

#include "support/printers.h"
#include "support/recording_sink.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

struct Expected {
    int used, index, free, largest, refused;
    int reads;  // to block k; 0 for a refused file
    std::string average;
    int wholeReads, jumps;
};

// The workload typed by hand on a fresh screen: on the contiguous screen at the starts given, on the
// linked screen at the first free block.
std::unique_ptr<Screen> typedByHand(
    ScreenId method, const Workload& workload, const std::vector<int>& starts, Share& share, RecordingSink& sink)
{
    auto screen = makeScreen(method, share);
    screen->load();
    for (std::size_t i = 0; i < workload.size(); ++i) {
        int start = method == ScreenId::Linked ? 0 : starts.at(i);
        while (method == ScreenId::Linked && !screen->form().disk.isFree(start))
            ++start;
        screen->type(Control::txFile, workload[i].name);
        if (method == ScreenId::Contiguous || method == ScreenId::Linked)
            screen->type(Control::txStart, std::to_string(start));
        screen->type(Control::txLenght, std::to_string(workload[i].length));
        screen->addFile(sink);
        while (screen->mode() != Mode::Idle)
            screen->nextBlock(sink);
    }
    return screen;
}

}  // namespace

TEST(Comparison, EachMethodPlacesTheWorkloadAsItsScreenDoesAndAnswersFromIt)
{
    const struct {
        const char* workload;
        std::size_t file;
        int k;
        std::vector<int> starts;  // on the contiguous screen
        std::array<Expected, 4> figures;
        std::array<std::vector<Message>, 4> said;
    } cases[]{
        {"report:20", 0, 19, {0},
            {{{20, 0, 44, 44, 0, 1, "1", 20, 0}, {20, 0, 44, -1, 0, 20, "10.5", 20, -1},
                {23, 3, 41, -1, 0, 4, "2.95", 23, -1}, {24, 4, 40, -1, 0, 3, "3", 24, -1}}},
            {}},
        {"report:20,notes:8,log:5", 1, 7, {0, 20, 28},
            {{{33, 0, 31, 31, 0, 1, "1", 8, 0}, {33, 0, 31, -1, 0, 8, "4.5", 8, -1},
                {39, 6, 25, -1, 0, 3, "2.13", 10, -1}, {41, 8, 23, -1, 0, 3, "3", 10, -1}}},
            {}},
        // The second file does not fit anywhere; the third still does.
        {"big:40,more:30,tail:10", 1, 29, {0, 40, 40},
            {{{50, 0, 14, 14, 1, 0, "", 0, 0}, {50, 0, 14, -1, 1, 0, "", 0, 0}, {58, 8, 6, -1, 1, 0, "", 0, 0},
                {59, 9, 5, -1, 1, 0, "", 0, 0}}},
            {{{messages::lenghtOverloaded()}, {messages::spaceNotEnough("70")}, {messages::lenghtOverloaded()},
                {messages::lenghtOverloaded()}}}},
    };
    for (const auto& c : cases) {
        const Workload workload = std::get<Workload>(readWorkload(c.workload));
        for (const std::optional<std::uint64_t> seed :
            {std::optional<std::uint64_t>(), std::optional<std::uint64_t>(7)}) {
            Comparison comparison(seed);
            comparison.place(workload);
            for (std::size_t m = 0; m < COMPARED_METHODS.size(); ++m) {
                const ScreenId method = COMPARED_METHODS[m];
                SCOPED_TRACE(c.workload + (" on " + methodName(method)));
                ProgramRandomStream stream = seed ? ProgramRandomStream(*seed) : ProgramRandomStream();
                Share share(stream);
                RecordingSink sink;
                const auto byHand = typedByHand(method, workload, c.starts, share, sink);
                const Screen& compared = comparison.screen(method);
                EXPECT_EQ(compared.files(), byHand->files());
                for (int b = 0; b < BlockDisk::BLOCKS; ++b)
                    EXPECT_EQ(compared.form().disk.cell(b).colour, byHand->form().disk.cell(b).colour) << b;
                EXPECT_EQ(sink.shown, c.said[m]);
                std::vector<Message> said;
                for (const FileMessage& fm : comparison.messages(method))
                    said.push_back(fm.message);
                EXPECT_EQ(said, c.said[m]);

                const Expected& e = c.figures[m];
                const MethodFigures f = comparison.figures(method, c.file, c.k);
                EXPECT_EQ(f.blocksUsed, e.used);
                EXPECT_EQ(f.indexBlocks, e.index);
                EXPECT_EQ(f.freeBlocks, e.free);
                if (e.largest >= 0) {  // -1 where the screens' random blocks decide it
                    EXPECT_EQ(f.largestFreeRun, e.largest);
                }
                EXPECT_EQ(f.filesRefused, e.refused);
                const FileRecord* record = comparison.placedFile(method, c.file);
                ASSERT_EQ(record == nullptr, e.reads == 0);
                if (record == nullptr) {
                    EXPECT_FALSE(f.path || f.averageReads || f.whole);
                    continue;
                }
                EXPECT_EQ(f.path->blocks, readBlock(compared, *record, c.k)->blocks);
                EXPECT_EQ(static_cast<int>(f.path->blocks.size()), e.reads);
                EXPECT_EQ(comparisonTable(comparison, c.file, c.k)[m + 1][7], e.average);
                EXPECT_EQ(f.whole->blocks.size(), static_cast<std::size_t>(e.wholeReads));
                if (e.jumps >= 0) {
                    EXPECT_EQ(f.whole->jumps, e.jumps);
                }
                EXPECT_EQ(comparison.readsByBlock(method, c.file).at(static_cast<std::size_t>(c.k)), e.reads);
            }
        }
    }
}

TEST(Comparison, TheSameWorkloadGivesTheSameDisksAndTheSeedIsTheProgramsOwn)
{
    const Workload workload{{"report", 20}, {"notes", 8}};
    Comparison first;
    Comparison second;
    Comparison seeded(7);
    first.place(workload);
    second.place({{"other", 3}});
    second.place(workload);
    seeded.place(workload);
    for (const ScreenId method : COMPARED_METHODS) {
        EXPECT_EQ(first.screen(method).files(), second.screen(method).files()) << methodName(method);
        EXPECT_NE(first.screen(method).files().front().colour, seeded.screen(method).files().front().colour);
    }
}

TEST(Comparison, WorkloadsAreReadAsNameColonLength)
{
    EXPECT_EQ(std::get<Workload>(readWorkload("report:20,a:b:1")), (Workload{{"report", 20}, {"a:b", 1}}));
    EXPECT_TRUE(std::get<Workload>(readWorkload("")).empty());
    for (const char* bad : {"report", "report:0", "report:65", "report:2x", ":4", "a:1,", "a:1,,b:2", "a:-1"})
        EXPECT_TRUE(std::holds_alternative<std::string>(readWorkload(bad))) << bad;
    std::string many;
    for (int i = 0; i <= 64; ++i)
        many += (i ? "," : "") + std::string("f:1");
    EXPECT_EQ(std::get<std::string>(readWorkload(many)), "at most 64 files");

    Comparison comparison;
    comparison.place({{"a\tb", 2}});
    const std::string copied = tabSeparated(comparisonTable(comparison, 0, 1));
    EXPECT_EQ(copied.substr(0, copied.find('\n')),
        "Method\tBlocks used\tIndex blocks\tFree blocks\tLargest free run\tFiles refused\tReads to block 1 of a b\t"
        "Average reads per block\tReads of the whole file\tHead jumps over the whole file\tWhat the screen said");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 5);
    comparison.place({{"a", 40}, {"b", 30}, {"c", 30}});
    EXPECT_EQ(comparisonTable(comparison, 0, 0)[1].back(), "Lenght Overloaded: b, c");
}
