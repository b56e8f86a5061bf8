#pragma once

#include "contiguous/contiguous_directory.h"
#include "core/block_disk.h"
#include "core/entry_form.h"
#include "core/method_screen.h"

// The contiguous screen: every file takes one unbroken run of blocks, given by start and length.
// The disk, the fields and the directory belong to the window and are rebuilt at every load.
struct ContiguousForm {
    BlockDisk disk;
    EntryForm fields{{Control::txFile, Control::txStart, Control::txLenght}};
    ContiguousDirectory directory;
};

class ContiguousAllocator final : public MethodScreen<ContiguousForm> {
public:
    using MethodScreen::MethodScreen;

    // Builds the window's state afresh: empty disk, empty fields, empty directory with new columns.
    void load();
    // The Add button: checks the fields, then places the whole run or refuses it with one message.
    void addFile(MessageSink& sink);
    // The Clear button: frees the disk, empties the fields and the directory.
    void clear();
};
