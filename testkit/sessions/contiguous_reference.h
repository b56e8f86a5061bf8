#pragma once

#include "sessions/reference_screen.h"

// The contiguous screen as its behaviour is described, written out plainly and on its own: plain
// arrays and strings, its own number reading, its own texts. Only what the user and the screen
// object can see is kept.
class ContiguousReference final : public ReferenceScreen {
public:
    explicit ContiguousReference(RandomStream& stream);

private:
    void load() override;
    void add() override;
    void clear() override;
    void observeMore(Observed& o) const override;

    std::vector<float> m_widths;
    std::vector<FileRow> m_rows;
};
