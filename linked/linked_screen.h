#pragma once

#include "core/form_layout.h"
#include "core/screen.h"

#include <cstdint>
#include <string_view>

// The linked screen: Add gives a file its start block, and while the walk is open each press of
// Next Block draws the file's next block at random and links the block before it to the new one.
// On the disk the chain lives in the block texts (the successor's number, "-1" for the last
// block); the screen keeps each file's blocks in chain order.
class LinkedScreen : public Screen {
public:
    static constexpr int DIRECTORY_WIDTH = form_layout::LINKED.directory.width;  // twips
    static constexpr std::string_view USAGE_CAPTION = "Current Block Usage =";
    static constexpr std::string_view TO_GO_CAPTION = "Blocks to Go =";

    explicit LinkedScreen(Share& share) : Screen(ScreenId::Linked, share) {}

    // Empty disk, fields and directory with new columns, Idle.
    void load() override;
    // Ignored while a walk is open, as the disabled button is.
    void addFile(MessageSink& sink) override;
    // Draws one more block, or closes the chain once all are drawn. Ignored outside a walk. Should
    // the disk hold no block for the chain, it ends the chain where it stands and says so.
    void nextBlock(MessageSink& sink) override;
    // Frees the disk, empties the fields and the directory, ends any walk.
    void clear() override;
    // k + 1 reads: the chain from its start block.
    std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const override;

    // The blocks that the listed files account for: each its length, at least 1.
    std::int32_t usedTotal() const;
    // During a walk, the blocks still to draw.
    std::int32_t fileLength() const { return m_walk.fileLength; }
    // The block at the open end of the chain, waiting for its successor's number.
    int curBlock() const { return m_walk.curBlock; }
    // The block drawn by the last press of Next.
    int drawnBlock() const { return m_walk.nextBlock; }

    std::unique_ptr<ScreenState> save() const override { return saveWith(m_walk); }
    void restore(const ScreenState& state) override { restoreWith(state, m_walk); }

private:
    void setWalking(bool walking);
    void closeChain();

    // The screen object's own variables: load and Clear set fileLength, only Clear the other two.
    struct Walk {
        std::int32_t fileLength = 0;
        int curBlock = 0;
        int nextBlock = 0;
    } m_walk;
};
