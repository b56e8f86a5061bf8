#pragma once

#include "core/block_disk.h"
#include "core/entry_form.h"
#include "core/method_screen.h"
#include "linked/linked_directory.h"

#include <cstdint>
#include <string>

// What the linked screen's window holds and a load rebuilds: the disk, the fields, the directory,
// the two labels and the count of blocks a walk has still to draw.
struct LinkedForm {
    static constexpr const char* USAGE_CAPTION = "Current Block Usage =";
    static constexpr const char* TO_GO_CAPTION = "Blocks to Go =";

    BlockDisk disk;
    EntryForm fields{{Control::txFile, Control::txStart, Control::txLenght}};
    LinkedDirectory directory;
    // The labels as designed: the usage shows no number until the first Add or Clear.
    std::string lbCurTotal = USAGE_CAPTION;
    std::string lbToGo = "Blocks to Go";
    std::int32_t fileLength = 0;
};

// The linked screen: Add gives a file its start block, and while the walk is open each press of
// Next draws the file's next block at random and links the block before it to the new one. The
// chain lives only in the block texts: the successor's number, "-1" for the last block.
class LinkedAllocator final : public MethodScreen<LinkedForm> {
public:
    using MethodScreen::MethodScreen;

    // Builds the window's state afresh: empty disk, fields and directory with new columns, Idle.
    void load();
    // The Add button. Refused while a walk is open, as the disabled button is.
    void addFile(MessageSink& sink);
    // The Next button: draws one more block, or closes the chain once all are drawn. Does nothing
    // outside a walk. Should the disk hold no block for the chain, it ends the chain where it
    // stands and says so.
    void nextBlock(MessageSink& sink);
    // The Clear button: frees the disk, empties the fields and the directory, ends any walk.
    void clear();

    // Add is disabled and Next shown while a chain is being drawn.
    bool isWalking() const;
    // The blocks that the directory accounts for.
    std::int32_t usedTotal() const;
    // The block at the open end of the chain, waiting for its successor's number.
    int curBlock() const { return m_curBlock; }
    // The block drawn by the last press of Next.
    int drawnBlock() const { return m_nextBlock; }

private:
    void setWalking(bool walking);
    void closeChain();

    // Kept by the screen object across loads; only Clear resets them.
    int m_curBlock = 0;
    int m_nextBlock = 0;
};
