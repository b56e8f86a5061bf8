#pragma once

#include "sessions/reference_screen.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The two indexed screens as their behaviour is described, written out plainly and on their own.
// What the screen does is written once; where the linked index and the multilevel index schemes
// differ (the block count, the space a file needs, what Add places, when Next ends, where each block
// goes and what a row's index shows) a small part of each scheme says so.
class IndexedReference : public ReferenceScreen {
public:
    enum class Scheme { Linked, Multilevel };

    IndexedReference(RandomStream& stream, Scheme scheme);

private:
    struct Row {
        std::vector<std::string> cells;
        ColourValue colour = 0;
    };
    // Where a placing press puts its block.
    struct Step {
        int ordinal = 0;
        int slot = 0;
        int traced = 0;
        std::optional<std::vector<std::string>> row;  // "I", what follows the name, "Blocks"
    };

    void load() override;
    void add() override;
    void next() override;
    void clear() override;
    void clickRow(int row) override;
    void observeMore(Observed& o) const override;
    // The file-name check also keeps the name for the file's rows.
    void enter(Control field) override;
    // In placement mode only Next can take the focus; outside it everything but Next.
    bool canTakeFocus(Control control) const override;
    void setPlacing(bool placing);
    void refreshUsage();
    int drawBlock();
    void place(int block, int ordinal, int slot, int traced, const std::string& text);
    int entry(std::int64_t file, int ordinal, int slot) const;

    // The scheme's parts.
    std::int64_t blockCount(std::int64_t length) const;
    std::int64_t blocksNeeded(std::int64_t length, std::int64_t count) const;
    bool placesABlock() const;
    Step step() const;
    std::vector<std::string> view(std::int64_t file, int ordinal) const;

    Scheme m_scheme;
    // Kept by the screen object for the whole run.
    std::int64_t m_fileCount = 0;
    std::string m_fileName;
    std::int64_t m_fileLength = 0;
    std::int64_t m_totalBlocks = 0;
    std::int64_t m_blocksToGo = 0;
    // The index table: an entry that is not here holds no block. A load and Clear empty it.
    std::map<std::array<std::int64_t, 3>, int> m_table;
    // Kept by the window.
    bool m_placing = false;
    std::vector<Row> m_rows;
    std::string m_indexCaption;
    float m_indexWidth = 0.0F;
    std::vector<std::string> m_indexRows;
    std::string m_lbUsage;
    std::string m_label4;
};

class LinkedIndexReference final : public IndexedReference {
public:
    explicit LinkedIndexReference(RandomStream& stream) : IndexedReference(stream, Scheme::Linked) {}
};

class MultilevelIndexReference final : public IndexedReference {
public:
    explicit MultilevelIndexReference(RandomStream& stream) : IndexedReference(stream, Scheme::Multilevel) {}
};
