#pragma once

#include "core/form_layout.h"
#include "core/screen.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_state.h"

#include <bitset>
#include <cstddef>
#include <memory>

// The indexed screen, shared by both schemes: Add reserves a file (and the scheme may place its
// first block), each press of Next Block places one block, and the directory lists one row per
// index block. The screen's own variables live here for the whole run; the files, whose blocks
// make up the index tables, go with the form.
class IndexedScreen : public Screen {
public:
    static constexpr int DIRECTORY_WIDTH = form_layout::INDEXED.directory.width;  // twips
    static constexpr int INDEX_WIDTH = form_layout::INDEXED.index->width;
    // fileCount stays within 16 bits: once every number is given, Add asks for a Clear.
    static constexpr std::int32_t MAX_FILE_COUNT = 32767;

    IndexedScreen(Share& share, std::unique_ptr<IndexScheme> scheme);

    // Empty disk, fields, lists and tables, entry mode. The screen's variables stay as they were.
    void load() override;
    // The file-name check also keeps the name for the file's rows.
    void enterPressed(Control field, MessageSink& sink) override;
    // Checks the fields and the free space, then enters placement mode. Ignored while placing.
    void addFile(MessageSink& sink) override;
    // Places one block, or ends the placement. Ignored outside a placement.
    void nextBlock(MessageSink& sink) override;
    // Empties the tables, the disk, both lists and the fields; file numbers start at 0. Ignored
    // while placing.
    void clear() override;
    // The clicked directory row's index block, in the index list.
    void clickRow(std::size_t row) override;
    std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const override
    {
        return m_scheme->readPath(file, k);
    }

    const IndexedState& state() const { return m_state; }
    const IndexScheme& scheme() const { return *m_scheme; }
    // The blocks that the files hold, counted.
    std::int32_t takenCount() const;

    std::unique_ptr<ScreenState> save() const override { return saveWith(m_state); }
    void restore(const ScreenState& state) override { restoreWith(state, m_state); }

private:
    void refreshUsage();
    // Placement mode shows Next Block and gives it the focus; the entry controls wait till it ends.
    void setPlacing(bool placing);
    void resetIndexList();
    // Chooses a free block and places it as the scheme laid it out; false when none is left.
    bool place(const Placement& at);

    std::unique_ptr<IndexScheme> m_scheme;
    IndexedState m_state;
};
