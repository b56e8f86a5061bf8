#pragma once

#include "contiguous/contiguous_allocator.h"
#include "core/messages.h"
#include "core/screen.h"
#include "core/share.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_screen.h"
#include "linked/linked_allocator.h"
#include "reliability/action.h"
#include "reliability/generator.h"
#include "reliability/observed.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Each screen's own part of its adapter: what its window shows of the screen object (all but the
// focus), the rules that must hold whatever the reference says (checked only while the screen is
// loaded), and what a user can do on it.
Observed observeScreen(const ContiguousAllocator& screen);
Observed observeScreen(const LinkedAllocator& screen);
Observed observeScreen(const IndexedScreen& screen);
// Every coloured block belongs to exactly one listed file, no block is given twice, and the rows
// and the blocks agree; the directory's rows are plain numbers that lie on the disk.
std::vector<std::string> screenInvariants(const ContiguousAllocator& screen);
// The same, and each file's chain runs from its Start through the block texts, a finished one to
// "-1" after as many blocks as its Lenght (at least one) and ending at its End; only the open walk's
// waiting block is still white; outside a walk the directory accounts for exactly the coloured
// blocks, and the usage label shows what it accounts for.
std::vector<std::string> screenInvariants(const LinkedAllocator& screen);
// Every block that the index table holds is coloured in its group's colour and held once, every
// coloured block is held, each group has its directory row naming its index block and each row its
// group, and the usage label shows the coloured blocks.
std::vector<std::string> screenInvariants(const IndexedScreen& screen);
const Vocabulary& contiguousVocabulary();
const Vocabulary& linkedVocabulary();
const Vocabulary& indexedVocabulary();

// Does an action on a program's screen object as its window does, and returns the messages it raised in
// order. `focus` gets the control the window would then send the focus to: the window takes the
// request and carries it out when it renders.
template <typename ScreenObject>
std::vector<Message> applyToScreen(ScreenObject& screen, const Action& action, std::optional<Control>& focus)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    switch (action.kind) {
    case ActionKind::Type: screen.form().fields.setText(action.control, action.text); break;
    case ActionKind::Enter: screen.enterPressed(action.control, sink); break;
    case ActionKind::Click:
        if (action.control == Control::cmAdd)
            screen.addFile(sink);
        else if (action.control == Control::cmClear)
            screen.clear();
        if constexpr (requires { screen.nextBlock(sink); }) {
            if (action.control == Control::cmNext)
                screen.nextBlock(sink);
        }
        break;
    case ActionKind::ClickRow:
        if constexpr (requires { screen.showIndex(std::size_t{0}); }) {
            if (action.control == Control::lvDirectory && action.row >= 0)
                screen.showIndex(static_cast<std::size_t>(action.row));
        }
        break;
    case ActionKind::Reload:
        screen.unload();
        screen.load();
        break;
    }
    focus = screen.isLoaded() ? screen.form().fields.takeFocusRequest() : std::nullopt;
    return sink.shown;
}

// The program's screen object of a screen, over the given draws.
template <Screen S> auto makeScreenObject(Share& share)
{
    if constexpr (S == Screen::Contiguous)
        return ContiguousAllocator(share);
    else if constexpr (S == Screen::Linked)
        return LinkedAllocator(share);
    else if constexpr (S == Screen::IndexedL)
        return IndexedScreen(share, std::make_unique<LinkedIndexScheme>());
    else
        return IndexedScreen(share, std::make_unique<MultilevelIndexScheme>());
}

// Drives the program's screen object as its window does, over a stream of the session's seed, and
// reads back what the window would show. The screen is created and loaded at once, as opening the
// window does.
template <Screen S> class ScreenAdapter {
public:
    static constexpr const char* NAME = S == Screen::Contiguous ? "contiguous"
        : S == Screen::Linked                                   ? "linked"
        : S == Screen::IndexedL                                 ? "indexed-linked"
                                                                : "indexed-multilevel";

    explicit ScreenAdapter(RandomStream& stream) : m_share(stream), m_screen(makeScreenObject<S>(m_share))
    {
        m_screen.load();
    }

    std::vector<Message> apply(const Action& action) { return applyToScreen(m_screen, action, m_focus); }
    Observed observe() const
    {
        Observed o = observeScreen(m_screen);
        if (o.loaded)
            o.focusRequest = m_focus;
        return o;
    }
    std::vector<std::string> invariants() const
    {
        return m_screen.isLoaded() ? screenInvariants(m_screen) : std::vector<std::string>{};
    }
    // What a user can do on this screen, and how often the sessions do it.
    static const Vocabulary& vocabulary()
    {
        if constexpr (S == Screen::Contiguous)
            return contiguousVocabulary();
        else if constexpr (S == Screen::Linked)
            return linkedVocabulary();
        else
            return indexedVocabulary();
    }

    auto& screen() { return m_screen; }

protected:
    Share m_share;
    decltype(makeScreenObject<S>(std::declval<Share&>())) m_screen;
    std::optional<Control> m_focus;
};

using ContiguousAdapter = ScreenAdapter<Screen::Contiguous>;
using LinkedAdapter = ScreenAdapter<Screen::Linked>;
using LinkedIndexAdapter = ScreenAdapter<Screen::IndexedL>;
using MultilevelIndexAdapter = ScreenAdapter<Screen::IndexedM>;
