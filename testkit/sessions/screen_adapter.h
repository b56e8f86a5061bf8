#pragma once

#include "contiguous/contiguous_screen.h"
#include "core/screen.h"
#include "lesson/lecture.h"
#include "core/messages.h"
#include "core/screen_table.h"
#include "core/share.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_screen.h"
#include "linked/linked_screen.h"
#include "sessions/action.h"
#include "sessions/generator.h"
#include "sessions/observed.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Each screen's own part of its adapter: what its window shows of the screen object (all but the
// focus), the rules that must hold whatever the reference says (checked only while the screen is
// loaded), and what a user can do on it.
Observed observeScreen(const ContiguousScreen& screen);
Observed observeScreen(const LinkedScreen& screen);
Observed observeScreen(const IndexedScreen& screen);
// Every coloured block belongs to exactly one listed file, no block is given twice, and the rows
// and the blocks agree; the directory's rows are plain numbers that lie on the disk.
std::vector<std::string> screenInvariants(const ContiguousScreen& screen);
// The same, and each file's chain runs from its Start through the block texts, a finished one to
// "-1" after as many blocks as its Lenght (at least one) and ending at its End; only the open walk's
// waiting block is still white; outside a walk the directory accounts for exactly the coloured
// blocks, and the usage label shows what it accounts for.
std::vector<std::string> screenInvariants(const LinkedScreen& screen);
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
std::vector<Message> applyToScreen(Screen& screen, const Action& action, std::optional<Control>& focus);

// A program's screen whose form and files a test can change behind its back, to plant a fault.
template <typename S> class Unguarded final : public S {
public:
    using S::S;
    Form& mutableForm() { return this->loaded().form; }
    std::vector<FileRecord>& mutableFiles() { return this->loaded().files; }
};

// The program's screen object of a screen, over the given draws.
template <ScreenId S> auto makeScreenObject(Share& share)
{
    if constexpr (S == ScreenId::Contiguous)
        return std::make_unique<Unguarded<ContiguousScreen>>(share);
    else if constexpr (S == ScreenId::Linked)
        return std::make_unique<Unguarded<LinkedScreen>>(share);
    else if constexpr (S == ScreenId::IndexedL)
        return std::make_unique<Unguarded<IndexedScreen>>(share, std::make_unique<LinkedIndexScheme>());
    else
        return std::make_unique<Unguarded<IndexedScreen>>(share, std::make_unique<MultilevelIndexScheme>());
}

// Drives the program's screen object as its window does, over a stream of the session's seed, and
// reads back what the window would show. The screen is created and loaded at once, as opening the
// window does; Step back and Restart are the program's own lecture's.
template <ScreenId S> class ScreenAdapter : private Stage {
public:
    static constexpr const char* NAME = S == ScreenId::Contiguous ? "contiguous"
        : S == ScreenId::Linked                                   ? "linked"
        : S == ScreenId::IndexedL                                 ? "indexed-linked"
                                                                : "indexed-multilevel";

    explicit ScreenAdapter(RandomStream& stream) : m_share(stream), m_screen(makeScreenObject<S>(m_share))
    {
        m_lecture.screenMade(*m_screen);
        m_screen->load();
    }

    std::vector<Message> apply(const Action& action)
    {
        if (action.kind == ActionKind::StepBack || action.kind == ActionKind::Restart) {
            if (action.kind == ActionKind::StepBack)
                m_lecture.stepBack();
            else
                m_lecture.restart(std::nullopt);
            // Where the focus goes after these is the window's business.
            m_screen->takeFocusRequest();
            m_focus.reset();
            return {};
        }
        if (action.kind == ActionKind::Reload)
            m_lecture.screenLoaded(m_screen->id());
        if (action.isUndoable())
            m_lecture.beforeAction(action.control, std::nullopt);
        return applyToScreen(*m_screen, action, m_focus);
    }
    Observed observe() const
    {
        Observed o = observeScreen(*m_screen);
        if (o.loaded)
            o.focusRequest = m_focus;
        return o;
    }
    std::vector<std::string> invariants() const
    {
        return m_screen->isLoaded() ? screenInvariants(*m_screen) : std::vector<std::string>{};
    }
    // What a user can do on this screen, and how often the sessions do it.
    static const Vocabulary& vocabulary()
    {
        if constexpr (S == ScreenId::Contiguous)
            return contiguousVocabulary();
        else if constexpr (S == ScreenId::Linked)
            return linkedVocabulary();
        else
            return indexedVocabulary();
    }

    auto& screen() { return *m_screen; }

protected:
    Screen* loadedScreen() override { return m_screen.get(); }
    std::vector<Screen*> screens() override { return {m_screen.get()}; }
    void switchTo(ScreenId) override {}
    MessageSink& messages() override { return m_unseen; }
    void showChanges(std::optional<std::size_t>) override {}

    struct Unseen final : MessageSink {
        void show(const Message&) override {}
    } m_unseen;
    Share m_share;
    decltype(makeScreenObject<S>(std::declval<Share&>())) m_screen;
    std::optional<Control> m_focus;
    Lecture m_lecture{*this, m_share};
};

using ContiguousAdapter = ScreenAdapter<ScreenId::Contiguous>;
using LinkedAdapter = ScreenAdapter<ScreenId::Linked>;
using LinkedIndexAdapter = ScreenAdapter<ScreenId::IndexedL>;
using MultilevelIndexAdapter = ScreenAdapter<ScreenId::IndexedM>;
