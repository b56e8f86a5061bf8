#pragma once

#include "core/form_layout.h"
#include "core/screen.h"

// The contiguous screen: every file takes one unbroken run of blocks, given by start and length,
// placed whole by Add.
class ContiguousScreen : public Screen {
public:
    static constexpr int DIRECTORY_WIDTH = form_layout::CONTIGUOUS.directory.width;  // twips

    explicit ContiguousScreen(Share& share) : Screen(ScreenId::Contiguous, share) {}

    // Empty disk, empty fields, an empty directory with new columns.
    void load() override;
    // Checks the fields, then places the whole run or refuses it with one message.
    void addFile(MessageSink& sink) override;
    // Frees the disk, empties the fields and the directory.
    void clear() override;
    // One read: the block at start + k.
    std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const override;

    std::unique_ptr<ScreenState> save() const override { return saveWith(Nothing{}); }
    void restore(const ScreenState& state) override
    {
        Nothing nothing;
        restoreWith(state, nothing);
    }

private:
    // The screen has no variables beyond those every screen keeps.
    struct Nothing {};
};
