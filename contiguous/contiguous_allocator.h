#pragma once

#include "contiguous/contiguous_directory.h"
#include "core/block_disk.h"
#include "core/colour.h"
#include "core/entry_form.h"
#include "core/messages.h"
#include "core/share.h"

#include <optional>

// The contiguous screen: every file takes one unbroken run of blocks, given by start and length.
//
// The allocator itself lives for the whole run and keeps the current colour and the EntryCheck flag;
// the disk, the fields and the directory belong to the window and are rebuilt at every load.
class ContiguousAllocator {
public:
    struct Form {
        BlockDisk disk;
        EntryForm fields{{Control::txFile, Control::txStart, Control::txLenght}};
        ContiguousDirectory directory;
    };

    explicit ContiguousAllocator(Share& share) : m_share(share) {}

    // Builds the window's state afresh: empty disk, empty fields, empty directory with new columns.
    void Form_Load();
    void unload() { m_form.reset(); }
    bool isLoaded() const { return m_form.has_value(); }
    // Only while loaded.
    Form& form() { return m_form.value(); }
    const Form& form() const { return m_form.value(); }

    // Enter pressed in txFile, txStart or txLenght.
    void enterPressed(Control field, MessageSink& sink);
    // The Add button: checks the fields, then places the whole run or refuses it with one message.
    void add(MessageSink& sink);
    // The Clear button: frees the disk, empties the fields and the directory.
    void clear();
    void ClearText();

    const FileColour& currentColour() const { return m_currentColour; }
    bool entryCheck() const { return m_entryCheck; }

private:
    Share& m_share;
    FileColour m_currentColour{};
    bool m_entryCheck = false;
    std::optional<Form> m_form;
};
