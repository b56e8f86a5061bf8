#pragma once

#include "contiguous/contiguous_allocator.h"
#include "core/share.h"
#include "reliability/action.h"
#include "reliability/generator.h"
#include "reliability/observed.h"

#include <string>
#include <vector>

// Drives the program's contiguous screen as its window does, and reads back what the window would
// show. The screen is created and loaded at once, as opening the window does.
class ContiguousAdapter {
public:
    static constexpr const char* NAME = "contiguous";

    explicit ContiguousAdapter(RandomStream& stream);

    std::vector<Message> apply(const Action& action);
    Observed observe() const;
    // The rules that must hold whatever the reference says.
    std::vector<std::string> invariants() const;

    // What a user can do on this screen, and how often the sessions do it.
    static const Vocabulary& vocabulary();

    ContiguousAllocator& screen() { return m_screen; }

private:
    Share m_share;
    ContiguousAllocator m_screen;
    std::optional<Control> m_focus;
};

// Every coloured block belongs to exactly one listed file, no block is given twice, and the rows
// and the blocks agree; the directory's rows are plain numbers that lie on the disk.
std::vector<std::string> contiguousInvariants(const ContiguousAllocator& screen);
