#pragma once

#include "sessions/reference_screen.h"

#include <cstdint>

// The linked screen as its behaviour is described, written out plainly and on its own: Add gives a
// file its start block, each Next draws one more block while a walk is open, and the chain lives
// only in the block texts.
class LinkedReference final : public ReferenceScreen {
public:
    explicit LinkedReference(RandomStream& stream);

private:
    void load() override;
    void add() override;
    void next() override;
    void clear() override;
    void observeMore(Observed& o) const override;
    // cmAdd cannot take the focus during a walk, cmNext only then.
    bool canTakeFocus(Control control) const override;
    void closeChain();
    std::int64_t usedTotal() const;

    // Kept by the screen object for the whole run.
    int m_curBlock = 0;
    int m_nextBlock = 0;
    // Kept by the window.
    bool m_walking = false;
    std::int64_t m_fileLength = 0;
    std::vector<float> m_widths;
    std::vector<FileRow> m_rows;
    std::string m_lbCurTotal;
    std::string m_lbToGo;
};
