#pragma once

#include "core/block_disk.h"
#include "core/entry_form.h"
#include "core/method_screen.h"
#include "core/report_list.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_state.h"

#include <cstddef>
#include <memory>
#include <string>

// What the indexed window owns and every load builds afresh: the disk, the fields and the modes,
// both lists and the labels.
struct IndexedForm {
    static constexpr int DIRECTORY_WIDTH = 4455;  // twips
    static constexpr int INDEX_WIDTH = 2535;

    BlockDisk disk;
    EntryForm fields{{Control::txFile, Control::txLenght}};
    ReportList lvDirectory{DIRECTORY_WIDTH};
    ReportList lvIndex{INDEX_WIDTH};
    std::string lbUsage = "Current Usage Block =";
    // A trace of every entry written to the index table; the label is never shown.
    struct {
        std::string caption = "Label4";
        bool visible = true;
    } Label4;
};

// The indexed screen, shared by both schemes: Add reserves a file (and the scheme may place its
// first block), each press of Next Block places one block, and the directory lists one row per
// index block. The screen's own variables and the scheme's table live here for the whole run;
// the form comes and goes with the window.
class IndexedScreen final : public MethodScreen<IndexedForm> {
public:
    using Form = IndexedForm;
    // fileCount stays within 16 bits: once every number is given, Add asks for a Clear.
    static constexpr std::int32_t MAX_FILE_COUNT = 32767;
    static inline const Message FILE_NUMBERS_USED_UP{
        "Every file number is in use; Clear starts them again", "No File Number Left", MessageIcon::Critical};

    IndexedScreen(Share& share, std::unique_ptr<IndexScheme> scheme);

    // Builds the window's state afresh: empty disk, fields and lists, entry mode, an empty table.
    void load();
    // The Add button: checks the fields and the free space, then enters placement mode.
    void addFile(MessageSink& sink);
    // The Next Block button: places one block, or ends the placement.
    void nextBlock(MessageSink& sink);
    // The Clear button: empties the table, the disk, both lists and the fields; file numbers start at 0.
    void clear();
    // A click on a directory row: its index block's entries in the index list.
    void showIndex(std::size_t row);
    // The file-name check also keeps the name for the file's rows.
    void enterPressed(Control field, MessageSink& sink) override;

    // Each button works only while the window shows it enabled.
    bool isPlacing() const;
    const IndexedState& state() const { return m_state; }
    const IndexScheme& scheme() const { return *m_scheme; }

private:
    void refreshUsage();
    // Placement mode shows Next Block and gives it the focus; the entry controls wait till it ends.
    void setPlacing(bool placing);
    void addIndexColumn();
    // Chooses a free block and places it as the scheme laid it out; false when none is left.
    bool place(const Placement& at);
    bool isEnabled(Control control) const;

    std::unique_ptr<IndexScheme> m_scheme;
    IndexedState m_state;
};
