#pragma once

#include "core/entry_checks.h"
#include "core/file_record.h"
#include "core/form.h"
#include "core/messages.h"
#include "core/screen_table.h"
#include "core/share.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A copy of everything a screen object keeps, its loaded form included, to go back to.
class ScreenState {
public:
    virtual ~ScreenState() = default;
};

// What a screen is doing: taking a new file, or building one block by block (a chain on the linked
// screen, index groups on the indexed screens).
enum class Mode { Idle, Walking, Placing };

// A method screen as the rest of the program sees it. The screen object lives for the whole run
// and keeps its own variables; a load builds its form, its mode and its files afresh, and an
// unload drops them. The shell loads and unloads; a window forwards the user's events and renders
// the form after each. Every action is ignored while the screen is not loaded.
class Screen {
public:
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    ScreenId id() const { return m_id; }

    // Builds the form afresh and runs the screen's load steps.
    virtual void load() = 0;
    void unload() { m_loaded.reset(); }
    bool isLoaded() const { return m_loaded.has_value(); }

    // Any change of a field's text: typing, pasting, undo.
    void type(Control field, std::string text);
    // Enter in a field: its check.
    virtual void enterPressed(Control field, MessageSink& sink);
    virtual void addFile(MessageSink& sink) = 0;
    // Next Block; a screen without it ignores the press.
    virtual void nextBlock(MessageSink& sink);
    virtual void clear() = 0;
    // A click on a directory row; a screen that shows nothing for it ignores the click.
    virtual void clickRow(std::size_t row);

    // What the window shows. Only while loaded.
    const Form& form() const;
    // Where the last action sent the focus, handed out once.
    std::optional<Control> takeFocusRequest();
    // Idle while not loaded.
    Mode mode() const;
    // The files placed since the load or the last Clear, in the order of adding; none while not loaded.
    const std::vector<FileRecord>& files() const;
    const FileColour& currentColour() const { return m_entry.currentColour; }
    bool entryCheck() const { return m_entry.entryCheck; }

    // The disk blocks read, in order, to reach data block k (counted from 0) of one of this screen's
    // files by its method; the last is block k itself. Nothing when the file holds no block k.
    virtual std::optional<std::vector<int>> readPath(const FileRecord& file, int k) const = 0;
    // The blocks held by the files, which are the blocks the disk shows taken.
    std::vector<bool> takenBlocks() const;
    // Asks the window to put the focus on a control, as an action of the screen's own does.
    void requestFocus(Control control);

    // All the screen keeps, and back to it: a state that save() gave on this same screen.
    virtual std::unique_ptr<ScreenState> save() const = 0;
    virtual void restore(const ScreenState& state) = 0;

protected:
    Screen(ScreenId id, Share& share) : m_share(share), m_id(id) {}

    // What a load builds and an unload drops.
    struct Loaded {
        Form form;
        Mode mode = Mode::Idle;
        std::vector<FileRecord> files;
    };
    Loaded& startLoad(Form form);
    Loaded& loaded();
    const Loaded& loaded() const;

    // What every screen saves, with its own variables beside.
    template <typename Own> struct Saved final : ScreenState {
        EntryChecks entry;
        std::optional<Loaded> loaded;
        Own own;
    };
    template <typename Own> std::unique_ptr<ScreenState> saveWith(const Own& own) const
    {
        auto saved = std::make_unique<Saved<Own>>();
        saved->entry = m_entry;
        saved->loaded = m_loaded;
        saved->own = own;
        return saved;
    }
    template <typename Own> void restoreWith(const ScreenState& state, Own& own)
    {
        const auto& saved = dynamic_cast<const Saved<Own>&>(state);
        m_entry = saved.entry;
        m_loaded = saved.loaded;
        own = saved.own;
    }

    Share& m_share;
    EntryChecks m_entry;

private:
    ScreenId m_id;
    std::optional<Loaded> m_loaded;
};
