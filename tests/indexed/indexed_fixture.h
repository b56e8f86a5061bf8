#pragma once

#include "indexed/indexed_screen.h"

#include "support/printers.h"
#include "support/recording_sink.h"
#include "support/scripted_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Values spread evenly over [0, 1) that do not repeat soon: colours and blocks that look random and
// are the same in every run.
class SpreadStream final : public RandomStream {
public:
    double next() override
    {
        ++m_position;
        m_x = std::fmod(m_x + 0.6180339887498949, 1.0);
        return m_x;
    }
    std::uint64_t position() const override { return m_position; }
    void rewindTo(std::uint64_t position) override
    {
        m_x = 0.0;
        m_position = 0;
        while (m_position < position)
            next();
    }

private:
    double m_x = 0.0;
    std::uint64_t m_position = 0;
};

// Stream values for a scripted run: colours as R, G, B and blocks by number.
struct Draws {
    std::vector<double> values;
    Draws& colour(int r, int g, int b)
    {
        for (const double v : colourDraws(r, g, b))
            values.push_back(v);
        return *this;
    }
    Draws& block(int b)
    {
        values.push_back((b + 0.5) / 64.0);
        return *this;
    }
};

// An indexed screen on one scheme, loaded, with the scheme at hand for a look at its table.
template <typename Scheme> class IndexedFixture {
public:
    explicit IndexedFixture(RandomStream& stream) : share(stream)
    {
        auto owned = std::make_unique<Scheme>();
        scheme = owned.get();
        screen = std::make_unique<IndexedScreen>(share, std::move(owned));
        screen->load();
    }

    std::vector<Message> add(const std::string& name, const std::string& length)
    {
        screen->type(Control::txFile, name);
        screen->type(Control::txLenght, length);
        RecordingSink sink;
        screen->addFile(sink);
        return sink.shown;
    }
    void press()
    {
        RecordingSink sink;
        screen->nextBlock(sink);
        EXPECT_TRUE(sink.shown.empty());
    }
    // Presses Next Block until the placement ends; the presses it took, the ending one included.
    int finish()
    {
        int presses = 0;
        while (screen->mode() == Mode::Placing && presses < 1000) {
            press();
            ++presses;
        }
        return presses;
    }
    std::vector<Message> place(const std::string& name, const std::string& length)
    {
        auto shown = add(name, length);
        finish();
        return shown;
    }

    const Form& form() const { return screen->form(); }
    const BlockDisk& disk() const { return screen->form().disk; }
    const std::vector<ReportList::Row>& rows() const { return screen->form().list(Control::lvDirectory).rows(); }
    std::vector<std::string> indexEntries() const
    {
        std::vector<std::string> entries;
        for (const auto& row : form().list(Control::lvIndex).rows())
            entries.push_back(row.cells.at(0));
        return entries;
    }
    const std::string& indexHeader() const { return form().list(Control::lvIndex).columns().at(0).caption; }

    // Each directory row as "I", what follows the file name, and "Blocks".
    std::vector<std::vector<std::string>> rowShapes(const std::string& name) const
    {
        std::vector<std::vector<std::string>> shapes;
        for (const auto& row : rows()) {
            const std::string& file = row.cells.at(2);
            shapes.push_back({row.cells.at(1), file.substr(0, name.size()) == name ? file.substr(name.size()) : file,
                row.cells.at(4)});
        }
        return shapes;
    }
    // Each row is marked in the colour of the block that it names in "Block Index".
    void expectRowsInTheirGroupsColours() const
    {
        for (const auto& row : rows())
            EXPECT_EQ(row.colour, disk().colourOf(std::stoi(row.cells.at(3)))) << row.cells.at(3);
    }

    // Every block a file holds is painted, and no block is held twice.
    void expectConsistent() const
    {
        std::map<int, int> holders;
        for (const FileRecord& file : screen->files()) {
            for (const HeldBlock& b : file.blocks)
                ++holders[b.block];
        }
        for (const auto& [block, count] : holders) {
            EXPECT_EQ(count, 1) << "block " << block;
            EXPECT_FALSE(disk().isFree(block)) << "block " << block;
        }
        EXPECT_EQ(static_cast<int>(holders.size()), disk().usedCount());
        if (form().caption(Control::lbUsage) != "Current Usage Block =")
            EXPECT_EQ(form().caption(Control::lbUsage), "Current Usage Blocks =" + std::to_string(disk().usedCount()));
        else
            EXPECT_EQ(disk().usedCount(), 0);
    }

    Share share;
    Scheme* scheme = nullptr;
    std::unique_ptr<IndexedScreen> screen;
};

// A fixture with a SpreadStream of its own, for a run that starts as a new program does.
struct OwnSpreadStream {
    SpreadStream spread;
};
template <typename Scheme> struct SpreadFixture : OwnSpreadStream, IndexedFixture<Scheme> {
    SpreadFixture() : IndexedFixture<Scheme>(spread) {}
};

// One file of the examples: its length, the presses that place a block, the blocks that it takes,
// and its directory rows as "I", what follows the name, and "Blocks".
struct PlacementExample {
    int length;
    int placingPresses;
    int blocks;
    std::vector<std::vector<std::string>> rows;
};

// Places the example's file "abc" on a screen of its own, and checks what both schemes share: the
// presses, the blocks taken, the rows and their colours, and the table.
template <typename Scheme> std::unique_ptr<SpreadFixture<Scheme>> placeExample(const PlacementExample& e)
{
    auto t = std::make_unique<SpreadFixture<Scheme>>();
    EXPECT_TRUE(t->add("abc", std::to_string(e.length)).empty());
    EXPECT_EQ(t->finish(), e.placingPresses + 1);
    EXPECT_EQ(t->disk().usedCount(), e.blocks);
    EXPECT_EQ(t->rowShapes("abc"), e.rows);
    t->expectRowsInTheirGroupsColours();
    t->expectConsistent();
    return t;
}
